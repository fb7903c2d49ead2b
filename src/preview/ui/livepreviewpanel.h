#pragma once

#include <QDockWidget>
#include <QUrl>

class QLabel;
class QPushButton;
class QStackedWidget;

namespace lumaro {

class PreviewSurface;

/// The live preview panel at the right of the pages. Its view comes from
/// the preview module and is made the first time the panel is shown, so a
/// panel never shown costs nothing but this frame.
///
/// The panel never takes the editor down with it: where the browser engine
/// cannot run (the root user with the engine's sandbox on) it is not
/// started, and when it cannot be loaded or its page process ends, the
/// panel shows one line saying why, with "Try again" where trying again can
/// help.
class LivePreviewPanel : public QDockWidget {
    Q_OBJECT
public:
    explicit LivePreviewPanel(QWidget *parent = nullptr);

    /// Renders text now when the view exists.
    void showPage(const QString &text, const QUrl &base);
    /// The view, or nullptr before the first show or when the module is missing.
    PreviewSurface *surface() const { return m_surface; }
    /// The number of renderings finished (tests wait on it).
    int loadCount() const { return m_loads; }
    /// The line shown instead of the view; empty while the view shows.
    QString failureLine() const;
    QPushButton *retryButton() const { return m_retry; }

signals:
    /// The view was made; the owner renders the page then.
    void surfaceReady();
    void loaded(bool ok);
    void elementActivated(const QString &tagName, int position);
    /// The user asked to try again after the engine's page process ended;
    /// the owner renders the page again.
    void retryRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createSurface();
    void showFailure(const QString &line, bool canRetry);
    void retry();

    QStackedWidget *m_stack;
    QWidget *m_messagePage;
    QLabel *m_message;
    QPushButton *m_retry;
    PreviewSurface *m_surface = nullptr;
    bool m_tried = false;
    int m_loads = 0;
};

} // namespace lumaro
