#include "tagclass.h"

#include <array>

namespace lumaro {

namespace {

struct ClassPrefixes {
    TagClass tagClass;
    std::array<const char16_t *, 4> prefixes;
};

// Tested in this order; the first class with a matching prefix wins.
const std::array<ClassPrefixes, 4> kPrefixes = {{
    {TagClass::Anchor, {u"A ", u"A>", u"<A ", u"</A"}},
    {TagClass::Center, {u"CENTER>", u"<CENTER>", u"</CENTER", nullptr}},
    {TagClass::Image, {u"IMG ", u"IMG>", u"<IMG ", u"</IMG"}},
    {TagClass::Marquee, {u"MARQUEE ", u"MARQUEE>", u"<MARQUEE ", u"</MARQUEE"}},
}};

bool hasPrefix(QStringView text, const char16_t *prefix)
{
    return prefix && text.startsWith(QStringView(prefix), Qt::CaseSensitive);
}

} // namespace

QString TagClassifier::name(TagClass tagClass)
{
    switch (tagClass) {
    case TagClass::Anchor: return QStringLiteral("anchor");
    case TagClass::Center: return QStringLiteral("center");
    case TagClass::Image: return QStringLiteral("image");
    case TagClass::Marquee: return QStringLiteral("marquee");
    case TagClass::All: break;
    }
    return QStringLiteral("all");
}

TagClass TagClassifier::classify(QStringView text, bool addressException)
{
    const bool address = addressException && text.startsWith(u"</ADDRESS", Qt::CaseSensitive);
    for (const ClassPrefixes &entry : kPrefixes) {
        if (address && entry.tagClass == TagClass::Anchor)
            continue;
        for (const char16_t *prefix : entry.prefixes) {
            if (hasPrefix(text, prefix))
                return entry.tagClass;
        }
    }
    return TagClass::All;
}

} // namespace lumaro
