#include "imagemapbuilder.h"

namespace lumaro {

namespace {
ImageMapBuilder *&currentBuilder()
{
    static ImageMapBuilder *builder = nullptr;
    return builder;
}
} // namespace

ImageMapBuilder *imageMapBuilder() { return currentBuilder(); }
void setImageMapBuilder(ImageMapBuilder *builder) { currentBuilder() = builder; }

} // namespace lumaro
