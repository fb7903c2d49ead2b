#pragma once

#include <QObject>
#include <QPointer>
#include <QUrl>

class QTimer;

namespace lumaro {

class LivePreviewPanel;
class PageHost;
class thtmlrichedit;

/// The live preview command: shows or hides the panel with the active
/// page's current text rendered, refreshed a moment after typing stops and
/// at once when another page becomes active or a page's whole text is
/// replaced (opening a file, an import). A double-click in the panel puts
/// the caret at the element's start tag. Whether the panel is shown is kept
/// in the settings.
class LivePreviewController : public QObject {
    Q_OBJECT
public:
    /// Connects and enables "Livepreview1" and "SpeedButtonPreview" when the
    /// host has them; shows the panel when it was shown at the last run.
    explicit LivePreviewController(PageHost &host, QObject *parent = nullptr);
    ~LivePreviewController() override;

    void setPreviewVisible(bool on);
    bool previewShown() const;
    /// The panel, or nullptr before it was first shown.
    LivePreviewPanel *panel() const;
    /// Renders the active page now.
    void refresh();
    /// The base address the last rendering used.
    QUrl shownBase() const { return m_base; }

    /// How long after the last change the preview is rendered again.
    static constexpr int kRefreshDelayMs = 300;

private:
    void watchEditors();
    void textChanged(thtmlrichedit *editor);
    void placeCaret(const QString &tagName, int position);
    void syncToggles(bool on);
    QString projectRoot();

    PageHost &m_host;
    QPointer<LivePreviewPanel> m_panel;
    QTimer *m_timer;
    // The page the view holds, and the changes it holds: an unchanged page
    // is not rendered again.
    QPointer<thtmlrichedit> m_shownEditor;
    quint64 m_changes = 0; // changes to any page's text so far
    quint64 m_shownChanges = ~quint64(0);
    QUrl m_base;
};

} // namespace lumaro
