#pragma once

#include <QByteArray>

namespace lumaro::bench {

/// About `bytes` of RTF: short words, each in a group that changes one or
/// more of bold, italic, underline, strike, size, colour and face;
/// paragraphs now and then, some centred. Always the same for the same size.
QByteArray generateFormattedRtf(int bytes);

} // namespace lumaro::bench
