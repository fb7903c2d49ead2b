#pragma once

#include <QObject>
#include <QString>

namespace lumaro {

class PageHost;
class thtmlrichedit;

/// Runs the commands that set the look of text and page: the font, base
/// font, body and heading dialogs.
///
/// Each command moves text between the active page and its dialog only: it
/// reads the selected text, runs the dialog and hands the result to the
/// page's replace-selection operation. Cancel leaves the page untouched.
/// The constructor connects the host's commands and so enables them.
class FontPageController : public QObject {
    Q_OBJECT
public:
    explicit FontPageController(PageHost &host, QObject *parent = nullptr);

    // The handlers, public so that other commands (user shortcuts) can run them.
    void SpeedButton78Click();      ///< font
    void SpeedButton77Click();      ///< base font
    void SpeedButton1Click();       ///< body
    void SpeedButtonheadingClick(); ///< headings

    /// Runs a command by the name a user shortcut stores ("body"); false
    /// when the name is not one of this controller's commands.
    bool runByShortcutName(const QString &name);

private:
    void connectCommand(const QString &name, void (FontPageController::*handler)());

    PageHost &m_host;
};

} // namespace lumaro
