#pragma once

#include <QObject>

namespace lumaro {

class PageHost;

/// Runs the form field commands of the "Forms" tool tab: text input, text
/// array, radio buttons, check box and password field.
///
/// Each command hands the active page's selected text to its dialog, shows
/// it, and on OK replaces the selection with the dialog's tag text (an empty
/// tag text removes the selection). Cancel leaves the page untouched.
///
/// The constructor connects every command the host has registered and
/// enables it; a name the host does not know is skipped.
class FormFieldController : public QObject {
    Q_OBJECT
public:
    explicit FormFieldController(PageHost &host, QObject *parent = nullptr);

    void SpeedButton115Click();  ///< text array
    void SpeedButton116Click();  ///< radio buttons
    void SpeedButton117Click();  ///< check box
    void SpeedButton120Click();  ///< password
    void SpeedButton121Click();  ///< text input

private:
    void connectCommand(const QString &name, void (FormFieldController::*handler)());

    PageHost &m_host;
};

} // namespace lumaro
