#include "imagetag.h"
#include "tagattributes.h"
#include "tagdecoder.h"

#include <QStringList>

namespace lumaro {

namespace {

/// A value inside double quotes: a double quote in it would end the
/// attribute, so an address gets "%22" and a text "&quot;".
QString inQuotes(const QString &value, const QString &quote)
{
    QString out = value;
    return out.replace(u'"', quote);
}
QString address(const QString &value) { return inQuotes(value, QStringLiteral("%22")); }

/// An empty number field stands for its default, so no attribute is
/// written without a value.
QString orDefault(const QString &text, const QString &fallback)
{
    return text.trimmed().isEmpty() ? fallback : text;
}

/// Where the tag starting at from ends (just after its ">", outside quoted
/// values), or the end of the text.
qsizetype tagEnd(const QString &text, qsizetype from)
{
    bool quoted = false;
    for (qsizetype i = from; i < text.size(); ++i) {
        if (text.at(i) == u'"')
            quoted = !quoted;
        else if (!quoted && text.at(i) == u'>')
            return i + 1;
    }
    return text.size();
}

/// The dialog writes USEMAP="..." with the next attribute straight after the
/// closing quote; a blank is put there so that the attribute is found.
QString separateAttributes(const QString &tag)
{
    QString out;
    out.reserve(tag.size() + 8);
    bool quoted = false;
    for (qsizetype i = 0; i < tag.size(); ++i) {
        const QChar c = tag.at(i);
        out += c;
        if (c != u'"')
            continue;
        if (!quoted) {
            quoted = i > 0 && tag.at(i - 1) == u'=';
            continue;
        }
        quoted = false;
        if (i + 1 < tag.size() && !TagDecoder::isAttributeSeparator(tag.at(i + 1)) && tag.at(i + 1) != u'>')
            out += u' ';
    }
    return out;
}

/// The first "<A" start tag of text; empty when there is none. The link is
/// read from it only, never from an AREA or another tag's HREF.
QString anchorTag(const QString &text)
{
    for (qsizetype at = text.indexOf(QLatin1String("<A")); at >= 0; at = text.indexOf(QLatin1String("<A"), at + 1)) {
        if (at + 2 < text.size() && TagDecoder::isAttributeSeparator(text.at(at + 2)))
            return text.mid(at, tagEnd(text, at) - at);
    }
    return QString();
}

QString leadingDigits(const QString &value)
{
    qsizetype n = 0;
    while (n < value.size() && value.at(n).isDigit() && value.at(n).unicode() < 128)
        ++n;
    return value.left(n);
}

/// A size: its digits, with a percent sign when one follows them ("50%").
QString sizeValue(const QString &tag, const QString &name)
{
    const QString value = TagAttributes::value(tag, name, QString());
    const QString digits = leadingDigits(value);
    if (!digits.isEmpty() && value.size() > digits.size() && value.at(digits.size()) == u'%')
        return digits + u'%';
    return digits;
}

QString numberValue(const QString &tag, const QString &name, const QString &fallback)
{
    return TagAttributes::number(tag, name).value_or(fallback);
}

/// A loop count: INFINITE is -1.
QString loopValue(const QString &tag, const QString &fallback)
{
    const std::optional<QString> value = TagAttributes::value(tag, QStringLiteral("LOOP"));
    if (!value)
        return fallback;
    if (value->contains(QLatin1String("INFINITE")))
        return QStringLiteral("-1");
    const QString digits = leadingDigits(*value);
    return digits.isEmpty() ? fallback : digits;
}

/// The index of value in words (compared exactly), or fallback.
int keyword(const QString &tag, const QString &name, const QStringList &words, int fallback)
{
    const std::optional<QString> value = TagAttributes::value(tag, name);
    if (!value)
        return fallback;
    const qsizetype index = words.indexOf(*value);
    return index < 0 ? fallback : int(index);
}

const QStringList &alignWords()
{
    static const QStringList words = {QString(), QStringLiteral("TOP"), QStringLiteral("MIDDLE"),
                                      QStringLiteral("BOTTOM"), QStringLiteral("LEFT"), QStringLiteral("RIGHT")};
    return words;
}
const QStringList &clearWords()
{
    static const QStringList words = {QString(), QStringLiteral("ALL"), QStringLiteral("RIGHT"), QStringLiteral("LEFT")};
    return words;
}
const QStringList &unitWords()
{
    // "Unit" is written with the Danish word the format has always used.
    static const QStringList words = {QString(), QStringLiteral("DEFAULT"), QStringLiteral("ENHED"),
                                      QStringLiteral("PIXEL")};
    return words;
}

} // namespace

ImageTag ImageTag::decode(const QString &selection)
{
    ImageTag t;
    QString text = selection;

    // The map is cut from its "<MAP" through "</MAP>" and its line break,
    // wherever it stands, so it is written back in front of the element
    // unchanged and the image tag stays whole.
    const qsizetype mapAt = text.indexOf(QLatin1String("<MAP"));
    if (mapAt >= 0) {
        qsizetype end = text.indexOf(QLatin1String("</MAP>"), mapAt);
        if (end >= 0) {
            end += 6;
            if (end < text.size() && text.at(end) == u'\r')
                ++end;
            if (end < text.size() && text.at(end) == u'\n')
                ++end;
            t.mapPrefix = text.mid(mapAt, end - mapAt);
            t.mapPresent = true;
            text.remove(mapAt, end - mapAt);
        }
    }

    // The sound tag is read on its own, so its LOOP is not the video's.
    qsizetype soundAt = text.indexOf(QLatin1String("<BGSOUND"));
    const qsizetype mosaicAt = text.indexOf(QLatin1String("<SOUND"));
    if (soundAt < 0 || (mosaicAt >= 0 && mosaicAt < soundAt))
        soundAt = mosaicAt;
    if (soundAt >= 0) {
        const qsizetype end = tagEnd(text, soundAt);
        const QString sound = text.mid(soundAt, end - soundAt);
        text.remove(soundAt, end - soundAt);
        t.mosaicSound = sound.startsWith(QLatin1String("<SOUND"));
        t.soundSrc = TagAttributes::value(sound, QStringLiteral("SRC"), QString());
        t.soundLoop = loopValue(sound, t.soundLoop);
    }

    const qsizetype imageAt = text.indexOf(QLatin1String("<IMG"));
    const QString img = imageAt < 0 ? QString() : separateAttributes(text.mid(imageAt, tagEnd(text, imageAt) - imageAt));

    t.link = TagAttributes::value(anchorTag(imageAt < 0 ? text : text.left(imageAt)), QStringLiteral("HREF"), QString());
    t.image = TagAttributes::value(img, QStringLiteral("SRC"), QString());
    t.lowSrc = TagAttributes::value(img, QStringLiteral("LOWSRC"), QString());
    t.alt = TagAttributes::value(img, QStringLiteral("ALT"), QString());
    t.width = sizeValue(img, QStringLiteral("WIDTH"));
    t.height = sizeValue(img, QStringLiteral("HEIGHT"));
    t.border = numberValue(img, QStringLiteral("BORDER"), t.border);
    t.hspace = numberValue(img, QStringLiteral("HSPACE"), t.hspace);
    t.vspace = numberValue(img, QStringLiteral("VSPACE"), t.vspace);
    t.align = keyword(img, QStringLiteral("ALIGN"), alignWords(), AlignNone);
    t.clear = keyword(img, QStringLiteral("CLEAR"), clearWords(), ClearNone);
    t.units = keyword(img, QStringLiteral("UNITS"), unitWords(), UnitsNone);
    if (const std::optional<QString> map = TagAttributes::value(img, QStringLiteral("USEMAP"))) {
        t.useMap = true;
        t.mapReference = *map;
    }

    t.dynsrc = TagAttributes::value(img, QStringLiteral("DYNSRC"), QString());
    const QString start = TagAttributes::value(img, QStringLiteral("START"), QString());
    t.startMouseOver = start.contains(QLatin1String("MOUSEOVER"));
    t.startFileOpen = start.contains(QLatin1String("FILEOPEN"));
    t.controls = TagAttributes::flag(img, QStringLiteral("CONTROLS"));
    if (!t.dynsrc.isEmpty())
        t.videoLoop = loopValue(img, t.videoLoop);
    t.loopDelay = numberValue(img, QStringLiteral("LOOPDELAY"), t.loopDelay);
    return t;
}

QString ImageTag::build() const
{
    const bool hasImage = !image.isEmpty();
    const bool hasVideo = !dynsrc.isEmpty();
    const bool hasSound = !soundSrc.isEmpty();
    // A sound alone is no image: its attributes would be loose page text.
    const bool hasTag = hasImage || hasVideo || !hasSound;

    QString out = mapPrefix;
    if (!link.isEmpty())
        out += QStringLiteral("<A HREF=\"") + address(link) + QStringLiteral("\">");
    if (hasImage)
        out += QStringLiteral("<IMG SRC=\"") + address(image) + QStringLiteral("\" ");
    else if (hasTag)
        out += QStringLiteral("<IMG ");

    if (hasTag) {
        if (hasImage && !lowSrc.isEmpty())
            out += QStringLiteral("LOWSRC=\"") + address(lowSrc) + QStringLiteral("\" ");
        if (!width.isEmpty())
            out += QStringLiteral("WIDTH=") + width + u' ';
        if (!height.isEmpty())
            out += QStringLiteral("HEIGHT=") + height + u' ';
        if (useMap)
            out += QStringLiteral("USEMAP=\"") + address(mapReference) + u'"';
        if (align > AlignNone && align < alignWords().size())
            out += QStringLiteral("ALIGN=") + alignWords().at(align) + u' ';
        if (!alt.isEmpty())
            out += QStringLiteral("ALT=\"") + inQuotes(alt, QStringLiteral("&quot;")) + QStringLiteral("\" ");
        const QString h = orDefault(hspace, QStringLiteral("0"));
        if (h != QLatin1String("0"))
            out += QStringLiteral("HSPACE=") + h + u' ';
        const QString v = orDefault(vspace, QStringLiteral("0"));
        if (v != QLatin1String("0"))
            out += QStringLiteral("VSPACE=") + v + u' ';
        if (hasImage)
            out += QStringLiteral("BORDER=") + orDefault(border, QStringLiteral("0")) + u' ';
        if (clear > ClearNone && clear < clearWords().size())
            out += QStringLiteral("CLEAR=") + clearWords().at(clear) + u' ';
        if (units > UnitsNone && units < unitWords().size())
            out += QStringLiteral("UNITS=") + unitWords().at(units) + u' ';
        if (hasVideo) {
            out += QStringLiteral("DYNSRC=\"") + address(dynsrc) + QStringLiteral("\" ");
            if (startFileOpen && startMouseOver)
                out += QStringLiteral("START=MOUSEOVER,FILEOPEN ");
            else if (startFileOpen)
                out += QStringLiteral("START=FILEOPEN ");
            else if (startMouseOver)
                out += QStringLiteral("START=MOUSEOVER ");
            const QString loop = orDefault(videoLoop, QStringLiteral("-1"));
            out += loop == QLatin1String("-1") ? QStringLiteral("LOOP=INFINITE ") : QStringLiteral("LOOP=") + loop + u' ';
        }
        const QString delay = orDefault(loopDelay, QStringLiteral("0"));
        if (delay != QLatin1String("0"))
            out += QStringLiteral("LOOPDELAY=") + delay + u' ';
        if (hasVideo && controls)
            out += QStringLiteral("CONTROLS ");
    }

    if (hasImage || hasVideo)
        out += u'>';
    if (!link.isEmpty())
        out += QStringLiteral("</A>");
    if (hasSound) {
        out += (mosaicSound ? QStringLiteral("<SOUND SRC=\"") : QStringLiteral("<BGSOUND SRC=\"")) + address(soundSrc)
            + QStringLiteral("\" ");
        const QString loop = orDefault(soundLoop, QStringLiteral("-1"));
        out += loop == QLatin1String("-1") ? QStringLiteral("LOOP=INFINITE>") : QStringLiteral("LOOP=") + loop + u'>';
    }
    return out;
}

} // namespace lumaro
