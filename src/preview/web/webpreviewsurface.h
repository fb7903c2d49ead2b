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
    void showPage(const QString &text, const QUrl &base) override;
    void runScript(const QString &script, std::function<void(const QVariant &)> done) override;

private:
    void finished(bool ok);
    void consoleLine(const QString &message);

    QWebEngineProfile *m_profile;
    QString m_token;
    QPointF m_scroll;
    bool m_loading = false;
    bool m_shown = false;
};

} // namespace lumaro
