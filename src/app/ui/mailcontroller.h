#pragma once

#include <QObject>

namespace lumaro {

class PageHost;

/// The Send command: opens the user's mail composer with the active page's
/// whole text as the message body. The page is not saved first; the
/// composer asks for recipients and subject.
class MailController : public QObject {
    Q_OBJECT
public:
    /// Connects "SendBtn" and the File menu's "Se&nd" item ("FileSend").
    explicit MailController(PageHost &host, QObject *parent = nullptr);

    /// Hands the page text to the composer; "Error sending mail" when none
    /// could be started.
    void FileSend();

private:
    PageHost &m_host;
};

} // namespace lumaro
