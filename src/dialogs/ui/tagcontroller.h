#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

namespace lumaro {

class PageHost;
class Tfontstdialog;
class thtmlrichedit;

/// Runs the tag commands of the main window: the wrap commands (bold,
/// italic, underline, center, the phrase and font-style tags), the table,
/// row, cell and caption dialogs, the table builder, and the anchor, jump-to
/// and jump-to-here commands.
///
/// Each command moves text between the active page and its dialog only: it
/// reads the selected text, runs the dialog (or none, for a wrap command with
/// a selection), and hands the result to the page's replace-selection
/// operation. Cancel leaves the page untouched.
///
/// The constructor connects every command the host has registered under its
/// component name and enables it; a name the host does not know is skipped.
class TagController : public QObject {
    Q_OBJECT
public:
    explicit TagController(PageHost &host, QObject *parent = nullptr);
    ~TagController() override;

    /// Component names of the page context menu's link entries, connected
    /// beside the toolbar buttons when the host registered them.
    static QStringList anchorMenuNames();
    static QStringList jumpToMenuNames();
    static QStringList jumpToHereMenuNames();

    // The handlers, public so that other commands (user shortcuts) can run them.
    /// Wrap command of the component ("SpeedButton48", "SpeedButton79", ...).
    void runWrap(const QString &component);
    void SpeedButton48Click() { runWrap(QStringLiteral("SpeedButton48")); }
    void SpeedButton68Click() { runWrap(QStringLiteral("SpeedButton68")); }
    void SpeedButton69Click() { runWrap(QStringLiteral("SpeedButton69")); }
    void SpeedButton2Click() { runWrap(QStringLiteral("SpeedButton2")); }

    void SpeedButton73Click();  ///< table
    void SpeedButton74Click();  ///< table row
    void SpeedButton75Click();  ///< table data
    void SpeedButton76Click();  ///< table caption
    void SpeedButton6Click();   ///< table builder
    void SpeedButton3Click();   ///< anchor
    void SpeedButton4Click();   ///< jump to
    void SpeedButton5Click();   ///< jump to here

    /// Runs a dialog command by the name a user shortcut stores ("table",
    /// "tablebuilder", "anchor", ...); false when the name is not one of
    /// this controller's commands.
    bool runByShortcutName(const QString &name);

    /// The shared phrase-tag dialog (created on first use and kept).
    Tfontstdialog *phraseDialog();

private:
    void connectCommand(const QString &name, void (TagController::*handler)());
    void connectCommand(const QString &name, const std::function<void()> &handler);
    thtmlrichedit *editor() const;
    template <class Dialog> void runTagText();

    PageHost &m_host;
    QPointer<Tfontstdialog> m_phrase;
};

} // namespace lumaro
