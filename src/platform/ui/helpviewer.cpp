#include "helpviewer.h"
#include "installdir.h"

#include <QCollator>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace lumaro {

namespace {

const QString kTopicsMark = QStringLiteral("<!-- topics -->");
const QString kIndexMark = QStringLiteral("<!-- index -->");

QString readUtf8(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QString plainTitle(QString html)
{
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    html.remove(tags);
    html.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    html.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    html.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    return html.simplified();
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

} // namespace

QList<QPair<QString, QString>> HelpViewerService::topics(const QString &html)
{
    // A topic is a heading that starts with its anchor: <h2><a name="ctx1470"></a>Search</h2>.
    static const QRegularExpression heading(
        QStringLiteral("<h[1-3][^>]*>\\s*<a\\s+name=\"(ctx\\d+)\"\\s*>\\s*</a>(.*?)</h[1-3]>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    QList<QPair<QString, QString>> result;
    auto it = heading.globalMatch(html);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        result.append({m.captured(1), plainTitle(m.captured(2))});
    }
    return result;
}

QString HelpViewerService::assemble(const QString &mainText, const QStringList &fragments)
{
    QString text = mainText;
    const QString joined = fragments.join(QLatin1Char('\n'));
    if (text.contains(kTopicsMark))
        text.replace(kTopicsMark, joined);
    else if (!joined.isEmpty()) {
        const qsizetype end = text.lastIndexOf(QStringLiteral("</body>"), -1, Qt::CaseInsensitive);
        text.insert(end < 0 ? text.size() : end, joined);
    }

    if (text.contains(kIndexMark)) {
        auto entries = topics(text);
        QCollator collator;
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        std::stable_sort(entries.begin(), entries.end(), [&collator](const auto &a, const auto &b) {
            return collator.compare(a.second, b.second) < 0;
        });
        QString index = QStringLiteral("<ul>\n");
        for (const auto &entry : entries)
            index += QStringLiteral("<li><a href=\"#%1\">%2</a></li>\n").arg(entry.first, escaped(entry.second));
        index += QStringLiteral("</ul>");
        text.replace(kIndexMark, index);
    }
    return text;
}

QString HelpViewerService::document()
{
    const QString mainText = readUtf8(InstallDir::file(helpFileName()));
    QStringList fragments;
    const QDir folder(InstallDir::file(QStringLiteral("help")));
    const QStringList names = folder.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
    for (const QString &name : names)
        fragments.append(readUtf8(folder.filePath(name)));
    if (mainText.isEmpty() && fragments.isEmpty())
        return QStringLiteral("<html><body><p>The help file \"%1\" was not found.</p></body></html>")
            .arg(escaped(InstallDir::file(helpFileName())));
    return assemble(mainText, fragments);
}

void HelpViewerService::showTopic(int context)
{
    showAnchor(QStringLiteral("ctx%1").arg(context));
}

void HelpViewerService::showIndex()
{
    showAnchor(QStringLiteral("index"));
}

void HelpViewerService::closeViewer()
{
    if (m_window)
        m_window->close();
}

void HelpViewerService::showAnchor(const QString &anchor)
{
    if (!m_window) {
        m_window = new QDialog(nullptr, Qt::Window);
        m_window->setAttribute(Qt::WA_DeleteOnClose);
        // A help window left open does not keep the program running.
        m_window->setAttribute(Qt::WA_QuitOnClose, false);
        m_window->setWindowTitle(QStringLiteral("Lumaro Help"));
        m_window->resize(640, 520);
        auto *layout = new QVBoxLayout(m_window);
        layout->setContentsMargins(0, 0, 0, 0);
        m_browser = new QTextBrowser(m_window);
        m_browser->setObjectName(QStringLiteral("HelpBrowser"));
        m_browser->setOpenExternalLinks(true);
        layout->addWidget(m_browser);
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    // Read every time, so topics added to the installation show at once.
    m_browser->setSearchPaths({InstallDir::path()});
    m_browser->setHtml(document());
    m_browser->scrollToAnchor(anchor);
}

} // namespace lumaro
