#pragma once

#include <QObject>

namespace lumaro {

class PageHost;

/// Runs the frame commands of the tool tab "List / Frames": the frame set,
/// frame and no-frames dialogs. Each moves text between the active page and
/// its dialog only; Cancel leaves the page untouched.
///
/// The constructor connects and enables every command the host has
/// registered under its component name.
class FrameController : public QObject {
    Q_OBJECT
public:
    explicit FrameController(PageHost &host, QObject *parent = nullptr);

    void SpeedButton110Click();  ///< frame set
    void SpeedButton111Click();  ///< frame
    /// No frames: a selection is wrapped without a dialog; otherwise the
    /// dialog's text is inserted.
    void SpeedButton112Click();

private:
    PageHost &m_host;
};

} // namespace lumaro
