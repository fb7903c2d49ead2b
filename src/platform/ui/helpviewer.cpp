#include "helpviewer.h"
#include "installdir.h"

#include <QDialog>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace lumaro {

void HelpViewerService::showTopic(int context)
{
    showAnchor(QStringLiteral("ctx%1").arg(context));
}

void HelpViewerService::showIndex()
{
    showAnchor(QStringLiteral("index"));
}

void HelpViewerService::showAnchor(const QString &anchor)
{
    if (!m_window) {
        m_window = new QDialog(nullptr, Qt::Window);
        m_window->setAttribute(Qt::WA_DeleteOnClose);
        m_window->setWindowTitle(QStringLiteral("Lumaro Help"));
        m_window->resize(640, 520);
        auto *layout = new QVBoxLayout(m_window);
        layout->setContentsMargins(0, 0, 0, 0);
        m_browser = new QTextBrowser(m_window);
        m_browser->setOpenExternalLinks(true);
        layout->addWidget(m_browser);
    }
    QUrl url = QUrl::fromLocalFile(InstallDir::file(helpFileName()));
    url.setFragment(anchor);
    m_browser->setSource(url);
    m_browser->scrollToAnchor(anchor);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

} // namespace lumaro
