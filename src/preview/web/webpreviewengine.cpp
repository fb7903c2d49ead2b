#include "webpreviewengine.h"
#include "webpreviewsurface.h"

namespace lumaro {

PreviewSurface *WebPreviewEngine::createSurface(QWidget *parent) { return new WebPreviewSurface(parent); }

} // namespace lumaro
