#include "pagecolouring.h"

#include "softbreaks.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace lumaro {

namespace {

constexpr int kOutside = -1;
constexpr int kPrefixLength = 10;
/// Past this many blocks an edit makes every block stale at once instead of
/// one by one: cheaper than walking a large page for one key.
constexpr int kStaleWalkLimit = 2000;

} // namespace

struct PageColouring::BlockState : QTextBlockUserData {
    quint64 formatStamp = 0; ///< the block's layout formats are current when equal
    quint64 entryStamp = 0;  ///< entry is current when equal
    int entry = kOutside;
};

PageColouring::PageColouring(QTextDocument *document)
    : QObject(document)
    , m_document(document)
{
    connect(document, &QTextDocument::contentsChange, this, &PageColouring::onContentsChange);
    setSettings(ColorSettings{});
}

PageColouring::~PageColouring() = default;

void PageColouring::setSettings(const ColorSettings &settings)
{
    m_settings = settings;
    ++m_formatStamp;
    for (int i = 0; i < kTagClassCount; ++i) {
        const TagClass tagClass = TagClass(i);
        QTextCharFormat format;
        if (settings.usecolor)
            format.setForeground(settings.colorOf(tagClass));
        // The attribute replaces the page's style, as the group's control
        // words do; an attribute index of 0 writes no control words.
        if (settings.usefontattr && settings.attrIndexOf(tagClass) != 0) {
            const FontStyle style = settings.styleOf(tagClass);
            format.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
            format.setFontItalic(style.italic);
            format.setFontUnderline(style.underline);
        }
        m_shows[i] = !format.properties().isEmpty();
        m_formats[i] = format;
    }
}

bool PageColouring::follow(const ColorSettings &settings)
{
    const bool same = settings.usecolor == m_settings.usecolor && settings.usefontattr == m_settings.usefontattr
        && settings.colorIndex == m_settings.colorIndex && settings.attrIndex == m_settings.attrIndex;
    if (same)
        return false;
    setSettings(settings);
    return true;
}

PageColouring::BlockState *PageColouring::stateOf(const QTextBlock &block) const
{
    return static_cast<BlockState *>(block.userData());
}

PageColouring::BlockState *PageColouring::ensureState(const QTextBlock &block) const
{
    BlockState *state = stateOf(block);
    if (!state) {
        state = new BlockState;
        QTextBlock(block).setUserData(state);
    }
    return state;
}

void PageColouring::markStale(const QTextBlock &block) const
{
    if (BlockState *state = stateOf(block))
        state->formatStamp = 0;
}

QString PageColouring::prefixAt(const QTextBlock &block, int offset) const
{
    QString prefix = block.text().mid(offset, kPrefixLength);
    QTextBlock at = block;
    while (prefix.size() < kPrefixLength) {
        at = at.next();
        if (!at.isValid())
            break;
        prefix += SoftBreaks::isSoft(at) ? u' ' : u'\n';
        prefix += at.text().left(kPrefixLength - prefix.size());
    }
    return prefix;
}

bool PageColouring::closedAt(int position) const
{
    if (m_lastClose == -2) {
        m_lastClose = -1;
        for (QTextBlock block = m_document->lastBlock(); block.isValid(); block = block.previous()) {
            const qsizetype at = block.text().lastIndexOf(u'>');
            if (at >= 0) {
                m_lastClose = block.position() + int(at);
                break;
            }
        }
    }
    return m_lastClose >= position;
}

int PageColouring::entryOf(const QTextBlock &block) const
{
    // Walk back to a block whose entry is known or whose predecessor holds a
    // ">" (after which the page is outside a tag), then forward again.
    QList<QTextBlock> chain;
    QTextBlock at = block;
    int entry = kOutside;
    for (;;) {
        const BlockState *state = stateOf(at);
        if (state && state->entryStamp == m_entryStamp) {
            entry = state->entry;
            break;
        }
        const QTextBlock previous = at.previous();
        if (!previous.isValid()) {
            entry = kOutside;
            break;
        }
        const QString text = previous.text();
        const qsizetype close = text.lastIndexOf(u'>');
        if (close >= 0) {
            const qsizetype open = text.indexOf(u'<', close + 1);
            entry = open < 0 ? kOutside : int(TagClassifier::classify(prefixAt(previous, int(open)), false));
            break;
        }
        chain.append(at);
        at = previous;
    }
    BlockState *state = ensureState(at);
    state->entry = entry;
    state->entryStamp = m_entryStamp;
    for (qsizetype i = chain.size() - 1; i >= 0; --i) {
        const QTextBlock previous = chain[i].previous();
        if (entry == kOutside) {
            const qsizetype open = previous.text().indexOf(u'<');
            if (open >= 0)
                entry = int(TagClassifier::classify(prefixAt(previous, int(open)), false));
        }
        BlockState *link = ensureState(chain[i]);
        link->entry = entry;
        link->entryStamp = m_entryStamp;
    }
    return entry;
}

QList<ShownTag> PageColouring::tagsOf(const QTextBlock &block) const
{
    QList<ShownTag> tags;
    if (!isActive() || !block.isValid())
        return tags;
    const QString text = block.text();
    const int start = block.position();
    const int length = int(text.size());
    const int entry = entryOf(block);
    bool inTag = entry != kOutside;
    TagClass tagClass = inTag ? TagClass(entry) : TagClass::All;
    int tagFrom = 0;
    int i = 0;
    for (;;) {
        if (inTag) {
            const qsizetype close = text.indexOf(u'>', i);
            if (close < 0) {
                // The tag goes on past the block; it is shown only when a
                // ">" closes it somewhere after.
                if (tagFrom < length && closedAt(start + length))
                    tags.append({start + tagFrom, start + length, tagClass});
                break;
            }
            tags.append({start + tagFrom, start + int(close) + 1, tagClass});
            i = int(close) + 1;
            inTag = false;
        } else {
            const qsizetype open = text.indexOf(u'<', i);
            if (open < 0)
                break;
            tagClass = TagClassifier::classify(prefixAt(block, int(open)), false);
            tagFrom = int(open);
            i = int(open) + 1;
            inTag = true;
        }
    }
    // Classes that show nothing with these settings add no format.
    tags.removeIf([this](const ShownTag &tag) { return !shows(tag.tagClass); });
    return tags;
}

QList<ShownTag> PageColouring::tagsIn(int from, int to) const
{
    QList<ShownTag> tags;
    for (QTextBlock block = m_document->findBlock(from); block.isValid() && block.position() < to;
         block = block.next()) {
        const bool joined = SoftBreaks::isSoft(block);
        for (ShownTag tag : tagsOf(block)) {
            // A tag going on across a display-only break covers the blank
            // the break stands for.
            if (joined && tag.from == block.position() && !tags.isEmpty() && tags.last().to == tag.from - 1
                && m_document->characterAt(tag.from - 2) != u'>' && entryOf(block) != kOutside) {
                tags.last().to = qMin(tag.to, to);
                continue;
            }
            tag.from = qMax(tag.from, from);
            tag.to = qMin(tag.to, to);
            if (tag.from < tag.to)
                tags.append(tag);
        }
    }
    return tags;
}

void PageColouring::applyTo(const QTextBlock &block)
{
    if (!block.isValid())
        return;
    BlockState *state = stateOf(block);
    if (state && state->formatStamp == m_formatStamp)
        return;
    QList<QTextLayout::FormatRange> ranges;
    for (const ShownTag &tag : tagsOf(block))
        ranges.append({tag.from - block.position(), tag.to - tag.from, formatOf(tag.tagClass)});
    QTextLayout *layout = block.layout();
    if (!(ranges.isEmpty() && layout->formats().isEmpty())) {
        layout->setFormats(ranges);
        // The layout is made again with the formats (a bold tag is wider);
        // this touches neither the text nor the undo stack.
        m_document->markContentsDirty(block.position(), block.length());
    }
    ensureState(block)->formatStamp = m_formatStamp;
}

QTextCharFormat PageColouring::shownFormat(int position)
{
    QTextCharFormat format;
    format.setFont(m_document->defaultFont());
    format.setForeground(QColor(Qt::black));
    QTextCursor cursor(m_document);
    cursor.setPosition(position);
    cursor.setPosition(position + 1, QTextCursor::KeepAnchor);
    format.merge(cursor.charFormat());
    const QTextBlock block = m_document->findBlock(position);
    const QTextBlock next = block.next();
    if (next.isValid() && next.position() == position + 1 && SoftBreaks::isSoft(next)) {
        // A display-only break is drawn as no character; it shows what the
        // blank it stands for would.
        for (const ShownTag &tag : tagsIn(qMax(0, position - 1), position + 2)) {
            if (position >= tag.from && position < tag.to)
                format.merge(formatOf(tag.tagClass));
        }
        return format;
    }
    applyTo(block);
    const int offset = position - block.position();
    for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
        if (offset >= range.start && offset < range.start + range.length)
            format.merge(range.format);
    }
    return format;
}

void PageColouring::formatCopy(QTextDocument &copy, int from) const
{
    const int to = from + qMax(0, copy.characterCount() - 1);
    QTextCursor cursor(&copy);
    cursor.beginEditBlock();
    for (const ShownTag &tag : tagsIn(from, to)) {
        cursor.setPosition(tag.from - from);
        cursor.setPosition(tag.to - from, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(formatOf(tag.tagClass));
    }
    cursor.endEditBlock();
}

void PageColouring::onContentsChange(int position, int removed, int added)
{
    Q_UNUSED(removed);
    m_lastClose = -2;
    const QTextBlock first = m_document->findBlock(position);
    if (!first.isValid())
        return;
    bool beyond = false;

    // The tag the edit falls in may have started in an earlier block: its
    // blocks change when the edit adds or removes its ">".
    const QString before = first.text().left(position - first.position());
    if (!before.contains(u'>')) {
        QTextBlock at = first;
        int walked = 0;
        for (;;) {
            const BlockState *state = stateOf(at);
            if (state && state->entryStamp == m_entryStamp && state->entry == kOutside)
                break;
            const QTextBlock previous = at.previous();
            if (!previous.isValid())
                break;
            if (++walked > kStaleWalkLimit) {
                ++m_formatStamp;
                break;
            }
            markStale(previous);
            beyond = true;
            if (previous.text().contains(u'>'))
                break;
            at = previous;
        }
    }

    // After the edit, blocks change up to the first ">" that follows it:
    // from there on the page is outside a tag whatever the edit did.
    const QTextCursor close = m_document->find(QStringLiteral(">"), position + added);
    const QTextBlock last = close.isNull() ? m_document->lastBlock() : close.block();
    int walked = 0;
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        if (++walked > kStaleWalkLimit) {
            ++m_formatStamp;
            ++m_entryStamp;
            beyond = true;
            break;
        }
        markStale(block);
        if (block != first) {
            if (BlockState *state = stateOf(block))
                state->entryStamp = 0;
            if (block.position() > position + added)
                beyond = true;
        }
        if (block == last)
            break;
    }
    if (beyond)
        emit lookChanged();
}

} // namespace lumaro
