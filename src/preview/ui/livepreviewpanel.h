#pragma once

#include <QDockWidget>
#include <QUrl>

class QLabel;
class QStackedWidget;

namespace lumaro {

class PreviewSurface;

/// The live preview panel at the right of the pages. Its view comes from
/// the preview module and is made the first time the panel is shown, so a
/// panel never shown costs nothing but this frame.
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

signals:
    /// The view was made; the owner renders the page then.
    void surfaceReady();
    void loaded(bool ok);
    void elementActivated(const QString &tagName, int index);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createSurface();

    QStackedWidget *m_stack;
    QLabel *m_message;
    PreviewSurface *m_surface = nullptr;
    bool m_tried = false;
    int m_loads = 0;
};

} // namespace lumaro
