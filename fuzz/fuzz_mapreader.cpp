// libFuzzer target: both map readers (inline markup and map files) must take
// any bytes without crashing or reading out of bounds, never find more areas
// than there are AREA tags, and give boxes with sorted corners. What they
// read must also survive being written and read again unchanged.
#include "mapmarkup.h"
#include "textfile.h"

#include <cstdint>
#include <cstdlib>

namespace {

void check(const lumaro::MapReadResult &r, qsizetype areaTags)
{
    if (r.problems < 0 || r.map.areas.size() + r.problems > areaTags)
        std::abort();
    for (const lumaro::MapArea &a : r.map.areas)
        if (!a.isLive() || a.x1 > a.x2 || a.y1 > a.y2)
            std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    const QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char *>(bytes), qsizetype(size));
    const QString text = QString::fromUtf8(data);
    const qsizetype tags = text.count(QStringLiteral("<AREA"), Qt::CaseInsensitive);

    const lumaro::MapReadResult fromText = lumaro::MapMarkup::read(text);
    check(fromText, tags);
    const lumaro::MapReadResult fromFile = lumaro::MapMarkup::readFile(data);
    check(fromFile, lumaro::TextFile::decode(data).count(QStringLiteral("<AREA"), Qt::CaseInsensitive));

    const lumaro::MapReadResult again = lumaro::MapMarkup::read(lumaro::MapMarkup::write(fromText.map));
    if (again.problems != 0 || again.map.areas.size() != fromText.map.areas.size())
        std::abort();
    return 0;
}
