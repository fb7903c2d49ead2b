#include "urlpicker.h"

namespace lumaro {

namespace {
UrlPicker *&currentPicker()
{
    static UrlPicker *picker = nullptr;
    return picker;
}
} // namespace

UrlPicker *urlPicker() { return currentPicker(); }
void setUrlPicker(UrlPicker *picker) { currentPicker() = picker; }

} // namespace lumaro
