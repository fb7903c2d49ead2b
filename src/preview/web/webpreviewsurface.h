#pragma once

#include "previewengine.h"

#include <QPointF>
#include <QWebEngineView>

class QWebEngineProfile;

namespace lumaro {

/// The preview view of the browser engine module: renders a page's text in
/// a private, off-the-record profile with the engine's default security
/// settings, keeps the scroll position across renderings and reports
/// double-clicked elements.
class WebPreviewSurface : public QWebEngineView, public PreviewSurface {
    Q_OBJECT
public:
    explicit WebPreviewSurface(QWidget *parent = nullptr);
    ~WebPreviewSurface() override;

    QWidget *widget() override { return this; }
    void showPage(const QString &pageText, const QUrl &base) override;
    void runScript(const QString &script, std::function<void(const QVariant &)> done) override;
    qint64 pageProcessId() const override { return page()->renderProcessPid(); }

private:
    void finished(bool ok);
    void rendered(bool ok);
    void consoleLine(const QString &message);
    void processEnded(int status, int exitCode);

    QWebEngineProfile *m_profile;
    QString m_token;
    QString m_pendingText; // a page too large for a data address, written once its empty page loaded
    QPointF m_scroll;
    bool m_loading = false;
    bool m_shown = false;
    bool m_closing = false;
};

} // namespace lumaro
