#include "timpexprichedit.h"

#include "rtfreader.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QHash>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace lumaro {

namespace {

// How often (in positions) the character walk reports its progress.
constexpr qint64 kProgressStep = 4096;

const QString kCrLf = QStringLiteral("\r\n");

bool isCentred(const QTextBlock &block)
{
    return (block.blockFormat().alignment() & Qt::AlignHorizontal_Mask) == Qt::AlignHCenter;
}

// The format of the paragraph mark that ends a block. The document keeps the
// mark's own format as the character format of the block that follows it
// (the format the text had where the paragraph was ended).
QTextCharFormat paragraphMarkFormat(const QTextBlock &block)
{
    const QTextBlock next = block.next();
    return next.isValid() ? next.charFormat() : block.charFormat();
}

} // namespace

timpexprichedit::timpexprichedit()
    : m_document(std::make_unique<QTextDocument>())
{
    // Text that names no size or face gets the usual defaults of an RTF
    // document.
    m_document->setDefaultFont(QFont(QStringLiteral("Times New Roman"), 12));
}

timpexprichedit::~timpexprichedit() = default;

bool timpexprichedit::loadFromFile(const QString &fileName, QString *error)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) {
            *error = QStringLiteral("Cannot open file \"%1\". %2")
                         .arg(QDir::toNativeSeparators(fileName), file.errorString());
        }
        return false;
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error) {
            *error = QStringLiteral("Cannot read file \"%1\". %2")
                         .arg(QDir::toNativeSeparators(fileName), file.errorString());
        }
        return false;
    }
    QString reason;
    if (!loadRtf(data, &reason)) {
        if (error)
            *error = QStringLiteral("\"%1\": %2").arg(QDir::toNativeSeparators(fileName), reason);
        return false;
    }
    return true;
}

bool timpexprichedit::loadRtf(const QByteArray &data, QString *error)
{
    // Read into a scratch document first, so a failed load leaves the
    // content as it was.
    auto loaded = std::make_unique<QTextDocument>();
    loaded->setDefaultFont(m_document->defaultFont());
    const RtfReader::Result result = RtfReader::read(data, loaded.get());
    if (!result.ok) {
        if (error)
            *error = result.error.isEmpty() ? QStringLiteral("Not an RTF document") : result.error;
        return false;
    }
    m_document = std::move(loaded);
    return true;
}

bool timpexprichedit::readini(QString *error)
{
    const std::optional<ImportSettings> settings = ImportSettings::fromStore(error);
    if (!settings)
        return false;
    m_settings = *settings;
    return true;
}

bool timpexprichedit::importer(QString *error, ImportWalk walk, const Progress &progress)
{
    if (!readini(error))
        return false;
    convert(*m_document, walk, progress);
    return true;
}

void timpexprichedit::convert(const QTextDocument &document, ImportWalk walk,
                              const Progress &progress)
{
    nulstil();
    if (walk == ImportWalk::Characters)
        walkCharacters(document, progress);
    else
        walkRuns(document, progress);
    afsluttags();
}

void timpexprichedit::nulstil()
{
    m_centreOpen = false;
    m_boldOpen = false;
    m_italicOpen = false;
    m_underlineOpen = false;
    m_strikeOpen = false;
    m_breakWritten = false;
    m_sizeFlags = 0;
    m_fontOpen = false;
    m_currentSize = 0;
    m_currentColor = 0;
    m_currentFace.clear();
}

ImportAttributes timpexprichedit::attributesOf(const QTextCharFormat &format, const QFont &defaultFont)
{
    ImportAttributes a;
    if (format.hasProperty(QTextFormat::FontPointSize))
        a.pointSize = int(format.fontPointSize());
    else
        a.pointSize = qMax(0, int(defaultFont.pointSizeF()));
    if (format.foreground().style() != Qt::NoBrush) {
        const QColor c = format.foreground().color();
        a.color = quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16);
    }
    const QStringList families = format.fontFamilies().toStringList();
    a.face = families.isEmpty() ? defaultFont.family() : families.constFirst();
    a.bold = format.hasProperty(QTextFormat::FontWeight) ? format.fontWeight() >= QFont::Bold
                                                         : defaultFont.bold();
    a.italic = format.hasProperty(QTextFormat::FontItalic) ? format.fontItalic() : defaultFont.italic();
    a.underline = format.hasProperty(QTextFormat::TextUnderlineStyle)
                          || format.hasProperty(QTextFormat::FontUnderline)
                      ? format.fontUnderline()
                      : defaultFont.underline();
    a.strike = format.hasProperty(QTextFormat::FontStrikeOut) ? format.fontStrikeOut()
                                                              : defaultFont.strikeOut();
    return a;
}

void timpexprichedit::lavfonttags(const ImportAttributes &attributes)
{
    bool changed = false;
    if (attributes.pointSize != m_currentSize) {
        m_currentSize = attributes.pointSize;
        m_sizeFlags = m_settings.sizeClasses(m_currentSize);
        changed = true;
    }
    if (attributes.color != m_currentColor) {
        m_currentColor = attributes.color;
        changed = true;
    }
    if (m_settings.useFontType && attributes.face != m_currentFace) {
        m_currentFace = attributes.face;
        changed = true;
    }
    if (changed)
        nyfonttags();
}

void timpexprichedit::nyfonttags()
{
    if (m_fontOpen)
        m_output += QLatin1String("</FONT>");
    m_output += QLatin1String("<FONT SIZE=");
    for (int n = 0; n < 7; ++n) {
        if (m_sizeFlags & (1u << n))
            m_output += QChar(u'1' + n);
    }
    m_output += QLatin1String(" COLOR=#");
    const QString bgr = QStringLiteral("%1").arg(m_currentColor & 0xFFFFFFu, 6, 16, QLatin1Char('0')).toUpper();
    m_output += reversehex(bgr);
    if (m_settings.useFontType) {
        m_output += QLatin1String(" FACE=\"");
        m_output += m_currentFace;
        m_output += QLatin1Char('"');
    }
    m_output += QLatin1Char('>');
    m_fontOpen = true;
}

void timpexprichedit::lavcenpartags(bool centred, bool paragraphMark)
{
    if (centred && !m_centreOpen) {
        m_output += QLatin1String("<CENTER>");
        m_centreOpen = true;
    } else if (!centred && m_centreOpen) {
        m_output += QLatin1String("</CENTER>");
        m_centreOpen = false;
    }
    // One break tag for a whole run of paragraph marks: only text ends the
    // run. (Clearing the flag on every mark after the first would write a
    // break for every other mark of a longer run.)
    if (!paragraphMark) {
        m_breakWritten = false;
    } else if (!m_breakWritten) {
        m_output += kCrLf;
        openTag(m_settings.crTag);
        m_breakWritten = true;
    }
}

void timpexprichedit::lavtags1(const ImportAttributes &a)
{
    if (m_strikeOpen && !a.strike) {
        closeTag(m_settings.strikeTag);
        m_strikeOpen = false;
    }
    if (m_underlineOpen && !a.underline) {
        closeTag(m_settings.underlineTag);
        m_underlineOpen = false;
    }
    if (m_italicOpen && !a.italic) {
        closeTag(m_settings.italicTag);
        m_italicOpen = false;
    }
    if (m_boldOpen && !a.bold) {
        closeTag(m_settings.boldTag);
        m_boldOpen = false;
    }
    if (a.bold && !m_boldOpen) {
        openTag(m_settings.boldTag);
        m_boldOpen = true;
    }
    if (a.italic && !m_italicOpen) {
        openTag(m_settings.italicTag);
        m_italicOpen = true;
    }
    if (a.underline && !m_underlineOpen) {
        openTag(m_settings.underlineTag);
        m_underlineOpen = true;
    }
    if (a.strike && !m_strikeOpen) {
        openTag(m_settings.strikeTag);
        m_strikeOpen = true;
    }
}

void timpexprichedit::afsluttags()
{
    if (m_strikeOpen)
        closeTag(m_settings.strikeTag);
    if (m_underlineOpen)
        closeTag(m_settings.underlineTag);
    if (m_italicOpen)
        closeTag(m_settings.italicTag);
    if (m_boldOpen)
        closeTag(m_settings.boldTag);
    if (m_centreOpen)
        m_output += QLatin1String("</CENTER>");
    if (m_fontOpen)
        m_output += QLatin1String("</FONT>");
    m_strikeOpen = m_underlineOpen = m_italicOpen = m_boldOpen = false;
    m_centreOpen = false;
    m_fontOpen = false;
}

QString timpexprichedit::reversehex(const QString &hex)
{
    if (hex.size() != 6)
        return hex;
    return hex.mid(4, 2) + hex.mid(2, 2) + hex.mid(0, 2);
}

void timpexprichedit::openTag(const QString &tag)
{
    m_output += QLatin1Char('<');
    m_output += tag;
    m_output += QLatin1Char('>');
}

void timpexprichedit::closeTag(const QString &tag)
{
    m_output += QLatin1String("</");
    m_output += tag;
    m_output += QLatin1Char('>');
}

void timpexprichedit::step(const ImportAttributes &attributes, bool centred, bool paragraphMark)
{
    lavfonttags(attributes);
    lavcenpartags(centred, paragraphMark);
    lavtags1(attributes);
}

// The walk as the converter was first described: every position is selected
// on its own and its formats read. Kept as the reference for the run walk.
void timpexprichedit::walkCharacters(const QTextDocument &document, const Progress &progress)
{
    const qint64 length = qMax(0, document.characterCount() - 1);
    const QFont defaultFont = document.defaultFont();
    QTextCursor cursor(const_cast<QTextDocument *>(&document));
    for (qint64 k = 0; k < length; ++k) {
        if (progress && k % kProgressStep == 0)
            progress(k, length);
        const int pos = int(k);
        const QTextBlock block = document.findBlock(pos);
        const bool blockEnd = pos == block.position() + block.length() - 1;
        const QChar ch = document.characterAt(pos);
        QTextCharFormat format;
        if (blockEnd) {
            format = paragraphMarkFormat(block);
        } else {
            // Just after the character (never the start of its block), the
            // cursor reports that character's format.
            cursor.setPosition(pos + 1);
            format = cursor.charFormat();
        }
        const bool paragraphMark = blockEnd || ch == QChar::LineSeparator;
        step(attributesOf(format, defaultFont), isCentred(block), paragraphMark);
        if (!paragraphMark)
            m_output += ch;
    }
    if (progress)
        progress(length, length);
}

// The same conversion, one run of equally formatted text at a time: inside a
// run only the first character can change a tag, so the rest is appended as
// it stands (and clears the break-written state, as each character would).
void timpexprichedit::walkRuns(const QTextDocument &document, const Progress &progress)
{
    const qint64 length = qMax(0, document.characterCount() - 1);
    const QFont defaultFont = document.defaultFont();
    m_output.reserve(m_output.size() + length + length / 8);
    // A document holds few distinct formats; each is read once.
    QHash<int, ImportAttributes> known;
    auto attributesAt = [&](int formatIndex, const QTextCharFormat &format) -> const ImportAttributes & {
        auto it = known.constFind(formatIndex);
        if (it == known.constEnd())
            it = known.insert(formatIndex, attributesOf(format, defaultFont));
        return *it;
    };
    qint64 nextReport = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (progress && block.position() >= nextReport) {
            progress(block.position(), length);
            nextReport = block.position() + kProgressStep * 16;
        }
        const bool centred = isCentred(block);
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            const QString text = fragment.text();
            const ImportAttributes attributes = attributesAt(fragment.charFormatIndex(), fragment.charFormat());
            qsizetype from = 0;
            while (from < text.size()) {
                qsizetype to = text.indexOf(QChar::LineSeparator, from);
                if (to < 0)
                    to = text.size();
                if (to > from) {
                    step(attributes, centred, false);
                    m_output += QStringView(text).mid(from, to - from);
                }
                if (to < text.size())
                    step(attributes, centred, true);
                from = to + 1;
            }
        }
        // The mark that ends the block; the document's last one is not part
        // of its text.
        const qint64 markPosition = block.position() + block.length() - 1;
        if (markPosition < length) {
            const QTextBlock next = block.next();
            if (next.isValid())
                step(attributesAt(next.charFormatIndex(), next.charFormat()), centred, true);
            else
                step(attributesOf(paragraphMarkFormat(block), defaultFont), centred, true);
        }
    }
    if (progress)
        progress(length, length);
}

} // namespace lumaro
