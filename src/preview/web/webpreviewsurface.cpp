#include "webpreviewsurface.h"
#include "elementreport.h"

#include <QRandomGenerator>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

namespace lumaro {

namespace {

/// A page that hands its console lines to the surface.
class PreviewPage : public QWebEnginePage {
public:
    PreviewPage(QWebEngineProfile *profile, QObject *parent, std::function<void(const QString &)> console)
        : QWebEnginePage(profile, parent)
        , m_console(std::move(console))
    {
    }

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString &message, int, const QString &) override
    {
        m_console(message);
    }

private:
    std::function<void(const QString &)> m_console;
};

QString newToken()
{
    return QStringLiteral("lumaro-element-%1").arg(QRandomGenerator::global()->generate64(), 16, 16, QChar(u'0'));
}

/// Room the data address leaves for the page after its header.
constexpr qsizetype kMaxDataBytes = 2 * 1024 * 1024 - 64;

QString tooLargeNote(qsizetype bytes)
{
    return QStringLiteral("<p style=\"font-family: sans-serif; color: #555; margin: 2em\">"
                          "This page (%1 MB) is too large for the live preview. Save it and use "
                          "<b>View document</b> to see it in a browser.</p>")
        .arg(double(bytes) / (1024 * 1024), 0, 'f', 1);
}

} // namespace

WebPreviewSurface::WebPreviewSurface(QWidget *parent)
    : QWebEngineView(parent)
    , m_profile(new QWebEngineProfile(this)) // no storage name: nothing written to disk
    , m_token(newToken())
{
    auto *page = new PreviewPage(m_profile, this, [this](const QString &message) { consoleLine(message); });
    setPage(page);
    QWebEngineScript handler;
    handler.setName(QStringLiteral("lumaro-element-report"));
    handler.setSourceCode(ElementReport::handlerScript(m_token));
    handler.setInjectionPoint(QWebEngineScript::DocumentCreation);
    handler.setWorldId(QWebEngineScript::MainWorld);
    handler.setRunsOnSubFrames(false);
    page->scripts().insert(handler);
    connect(page, &QWebEnginePage::loadFinished, this, &WebPreviewSurface::finished);
    setContextMenuPolicy(Qt::NoContextMenu);
}

WebPreviewSurface::~WebPreviewSurface()
{
    // The page must go before the profile it was made with.
    delete page();
}

void WebPreviewSurface::showPage(const QString &text, const QUrl &base)
{
    // While a rendering runs, its page has not scrolled yet: keep the
    // position read before it.
    if (!m_loading && m_shown)
        m_scroll = page()->scrollPosition();
    m_loading = true;
    // The engine takes text through a data address, which it refuses above
    // 2 MB; a page that large gets a clear note instead of an empty panel.
    const QByteArray bytes = text.toUtf8();
    if ((bytes.size() + 2) / 3 * 4 > kMaxDataBytes) {
        setHtml(tooLargeNote(bytes.size()));
        return;
    }
    setHtml(text, base);
}

void WebPreviewSurface::finished(bool ok)
{
    m_loading = false;
    m_shown = true;
    if (ok && !m_scroll.isNull())
        page()->runJavaScript(QStringLiteral("window.scrollTo(%1, %2);").arg(m_scroll.x()).arg(m_scroll.y()));
    if (onLoaded)
        onLoaded(ok);
}

void WebPreviewSurface::runScript(const QString &script, std::function<void(const QVariant &)> done)
{
    page()->runJavaScript(script, [done = std::move(done)](const QVariant &result) {
        if (done)
            done(result);
    });
}

void WebPreviewSurface::consoleLine(const QString &message)
{
    const ElementReport report = ElementReport::parse(message, m_token);
    if (report.isValid() && onElementActivated)
        onElementActivated(report.tagName, report.index);
}

} // namespace lumaro
