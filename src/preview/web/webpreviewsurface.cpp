#include "webpreviewsurface.h"
#include "elementlocator.h"
#include "elementreport.h"

#include <QJsonArray>
#include <QJsonDocument>
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

/// Room a data address leaves for the page after its header.
constexpr qsizetype kMaxAddressChars = 2 * 1024 * 1024 - 64;

/// Whether the engine can take text as a data address: it percent-encodes
/// the UTF-8 bytes (every byte but letters, digits and "-._~" takes three
/// characters) and refuses an address over 2 MB.
bool fitsDataAddress(const QString &text)
{
    // A character is at most three bytes, a byte at most three characters.
    if (text.size() * 9 <= kMaxAddressChars)
        return true;
    const QByteArray bytes = text.toUtf8();
    qsizetype chars = 0;
    for (const char c : bytes) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-'
            || c == '.' || c == '_' || c == '~';
        chars += plain ? 1 : 3;
        if (chars > kMaxAddressChars)
            return false;
    }
    return true;
}

/// A script that replaces the document's content with text, parsed as a
/// page load parses it.
QString writeScript(const QString &text)
{
    const QByteArray literal = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QStringLiteral("document.open(); document.write(%1[0]); document.close();").arg(QString::fromUtf8(literal));
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
    connect(page, &QWebEnginePage::renderProcessTerminated, this, &WebPreviewSurface::processEnded);
    setContextMenuPolicy(Qt::NoContextMenu);
}

WebPreviewSurface::~WebPreviewSurface()
{
    // The page must go before the profile it was made with. It answers its
    // scripts still waiting as it goes, which must not reach this view.
    m_closing = true;
    delete page();
}

void WebPreviewSurface::showPage(const QString &pageText, const QUrl &base)
{
    const QString text = ElementLocator::markStartTags(pageText, ElementReport::markAttribute(m_token));
    // While a rendering runs, its page has not scrolled yet: keep the
    // position read before it.
    if (!m_loading && m_shown)
        m_scroll = page()->scrollPosition();
    m_loading = true;
    m_pendingText.clear();
    // The engine takes text through a data address, which it refuses above
    // 2 MB. A page too large for one is written into an empty page loaded with the same
    // base, so relative addresses still resolve against the page's folder.
    if (!fitsDataAddress(text)) {
        m_pendingText = text;
        // Empty text would load "about:blank" without the base.
        setHtml(QStringLiteral("<html></html>"), base);
        return;
    }
    setHtml(text, base);
}

void WebPreviewSurface::finished(bool ok)
{
    if (!m_pendingText.isEmpty()) {
        // A load given up for a newer one: that one's end comes next.
        if (!ok)
            return;
        // Opening the document drops its listeners: the double-click report
        // is set up again after the text is written.
        const QString script = writeScript(m_pendingText) + ElementReport::handlerScript(m_token);
        m_pendingText.clear();
        page()->runJavaScript(script, [this](const QVariant &) {
            if (!m_closing)
                rendered(true);
        });
        return;
    }
    rendered(ok);
}

void WebPreviewSurface::rendered(bool ok)
{
    m_loading = false;
    m_shown = true;
    if (ok && !m_scroll.isNull())
        page()->runJavaScript(QStringLiteral("window.scrollTo(%1, %2);").arg(m_scroll.x()).arg(m_scroll.y()));
    if (onLoaded)
        onLoaded(ok);
}

void WebPreviewSurface::processEnded(int status, int exitCode)
{
    if (m_closing || status == QWebEnginePage::NormalTerminationStatus)
        return;
    // A rendering that was running will never finish.
    m_loading = false;
    m_pendingText.clear();
    QString why;
    switch (status) {
    case QWebEnginePage::CrashedTerminationStatus:
        why = tr("its page process crashed");
        break;
    case QWebEnginePage::KilledTerminationStatus:
        why = tr("its page process was killed");
        break;
    default:
        why = tr("its page process ended with status %1").arg(exitCode);
        break;
    }
    if (onStopped)
        onStopped(why);
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
        onElementActivated(report.tagName, report.position);
}

} // namespace lumaro
