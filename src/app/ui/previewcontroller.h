#pragma once

#include <QObject>
#include <QUrl>

namespace lumaro {

class PageHost;

/// The preview commands: save the active page, then show its file in the
/// browser the user chose in the preferences ("View document with selected
/// browser") or in the desktop's default browser ("Preview with default
/// browser"). Failures of the browser or the shell are not reported.
class PreviewController : public QObject {
    Q_OBJECT
public:
    /// Connects "SpeedButton114" and "SpeedButton72" and enables them.
    explicit PreviewController(PageHost &host, QObject *parent = nullptr);

    /// Chosen browser: save, then start the "browser" setting with the file.
    void SpeedButton114Click();
    /// Default browser: save, then open the file's URL through the shell.
    void SpeedButton72Click();

    /// The command line that starts the chosen browser with the file: the
    /// setting, a blank and the file name. A file name with blanks or quotes
    /// is quoted so it reaches the browser as one argument. Empty when no
    /// browser is set: there is nothing to start then.
    static QString browserCommandLine(const QString &browser, const QString &fileName);
    /// The local file URL of a page file.
    static QUrl previewUrl(const QString &fileName);

private:
    /// Saves the active page (Save As for an untitled one) and returns its
    /// file name afterwards; the name is used even when saving was cancelled.
    QString saveActivePage();

    PageHost &m_host;
};

} // namespace lumaro
