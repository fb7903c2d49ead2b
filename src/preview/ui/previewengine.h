#pragma once

#include <QString>
#include <QUrl>
#include <QVariant>
#include <QtPlugin>

#include <functional>

class QWidget;

namespace lumaro {

/// A view that renders a page's text. It lives in the module that brings
/// the browser engine, so the program links no part of that engine; the
/// interface is header-only for the same reason.
class PreviewSurface {
public:
    virtual ~PreviewSurface() = default;

    /// The view to place in the panel; owned by the surface's parent.
    virtual QWidget *widget() = 0;
    /// Renders text with base as the address relative links resolve
    /// against (empty: none). The scroll position is kept when the same
    /// page is shown again. A double-clicked element is reported with the
    /// position in text of the start tag it was written with.
    virtual void showPage(const QString &text, const QUrl &base) = 0;
    /// The process id of the engine's page process (0: none yet).
    virtual qint64 pageProcessId() const = 0;
    /// Runs script in the rendered page; done gets its result.
    virtual void runScript(const QString &script, std::function<void(const QVariant &)> done) = 0;

    /// Called when a rendering finished (ok false: it failed).
    std::function<void(bool ok)> onLoaded;
    /// Called when the engine's page process ended (crashed, killed); why
    /// says how, in a few words. A later showPage() starts a new one.
    std::function<void(const QString &why)> onStopped;
    /// Called when the user double-clicked an element of the rendered page.
    std::function<void(const QString &tagName, int position)> onElementActivated;
};

/// The module's entry point: makes surfaces.
class PreviewEngine {
public:
    virtual ~PreviewEngine() = default;
    virtual PreviewSurface *createSurface(QWidget *parent) = 0;
};

} // namespace lumaro

#define LumaroPreviewEngine_iid "org.zelk.lumaro.PreviewEngine/1"
Q_DECLARE_INTERFACE(lumaro::PreviewEngine, LumaroPreviewEngine_iid)
