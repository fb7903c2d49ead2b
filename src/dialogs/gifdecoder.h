#pragma once

#include "imagereaders.h"

namespace lumaro {

/// Decodes the first image of a GIF file over its logical screen.
///
/// The file's blocks are walked with bounds checks: extension blocks are
/// skipped sub-block by sub-block, the first image descriptor starts the
/// picture, a trailer or any other byte ends the search (the picture then
/// stays the background colour). An image smaller than the logical screen
/// is placed at its offset; parts outside the screen are cut off. The
/// image's own colour table colours it when it has one, else the global
/// table, else a grey ramp.
class GifDecoder {
public:
    /// Pictures larger than this many pixels are refused, so a small
    /// hostile file cannot make the program allocate gigabytes.
    static constexpr qint64 maxPixels = 64ll * 1024 * 1024;

    static GifDecodeResult decode(const QByteArray &data);
};

} // namespace lumaro
