#pragma once

#include "previewengine.h"

#include <QObject>

namespace lumaro {

/// The browser engine module's entry point.
class WebPreviewEngine : public QObject, public PreviewEngine {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID LumaroPreviewEngine_iid)
    Q_INTERFACES(lumaro::PreviewEngine)
public:
    PreviewSurface *createSurface(QWidget *parent) override;
};

} // namespace lumaro
