#pragma once

#include <QObject>

namespace lumaro {

class PageHost;

/// Runs the form, form button and selection list commands of the tool tab
/// "Forms". Each puts the selected text into its dialog and, on OK, the
/// dialog's text in place of the selection; Cancel leaves the page untouched.
///
/// The constructor connects and enables every command the host has
/// registered under its component name.
class FormController : public QObject {
    Q_OBJECT
public:
    explicit FormController(PageHost &host, QObject *parent = nullptr);

    void SpeedButton113Click();  ///< form
    void SpeedButton118Click();  ///< submit or reset button
    void SpeedButton119Click();  ///< selection list

private:
    PageHost &m_host;
};

} // namespace lumaro
