#include "softbreaks.h"

#include "linesplitter.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <vector>

namespace lumaro {

namespace {

/// Numbers for new display-only breaks; never reused in a run of the program,
/// so a copied mark can always be told from the break it was copied from.
int nextMark()
{
    static int last = 0;
    return ++last;
}

int markOf(const QTextBlock &block)
{
    return block.blockFormat().intProperty(SoftBreaks::markProperty);
}

QTextBlockFormat cleanFormat(QTextBlockFormat format)
{
    format.clearProperty(SoftBreaks::markProperty);
    return format;
}

} // namespace

/// The display-only breaks, found again after the document changed.
struct SoftBreaks::Index {
    bool dirty = true;
    qsizetype formatsScanned = 0;
    bool anyMarked = false;
    std::vector<int> blockNumbers; ///< blocks after a display-only break, ascending
    std::vector<int> separators;   ///< the positions of those breaks
    QMetaObject::Connection changes;
};

SoftBreaks::SoftBreaks(QTextDocument *document)
    : m_document(document)
    , m_index(std::make_unique<Index>())
{
    Index *index = m_index.get();
    m_index->changes = QObject::connect(document, &QTextDocument::contentsChange, document,
                                        [index](int, int, int) { index->dirty = true; });
}

SoftBreaks::~SoftBreaks()
{
    QObject::disconnect(m_index->changes);
}

bool SoftBreaks::isSoft(const QTextBlock &block)
{
    const int mark = markOf(block);
    if (mark == 0)
        return false;
    const QTextBlock previous = block.previous();
    return previous.isValid() && markOf(previous) != mark;
}

bool SoftBreaks::anySplit() const
{
    // A document's formats are only ever added to; a mark in none of them
    // means no block was split. Only the formats added since the last look
    // are scanned.
    Index &index = *m_index;
    const QList<QTextFormat> formats = m_document->allFormats();
    if (formats.size() < index.formatsScanned) {
        index.formatsScanned = 0;
        index.anyMarked = false;
    }
    for (qsizetype i = index.formatsScanned; i < formats.size() && !index.anyMarked; ++i)
        index.anyMarked = formats[i].isBlockFormat() && formats[i].hasProperty(markProperty);
    index.formatsScanned = formats.size();
    return index.anyMarked;
}

const SoftBreaks::Index &SoftBreaks::index() const
{
    Index &index = *m_index;
    if (!index.dirty)
        return index;
    index.dirty = false;
    index.blockNumbers.clear();
    index.separators.clear();
    if (!anySplit())
        return index;
    int number = 0;
    int previousMark = 0;
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next(), ++number) {
        const int mark = markOf(block);
        if (mark != 0 && number > 0 && mark != previousMark) {
            index.blockNumbers.push_back(number);
            index.separators.push_back(block.position() - 1);
        }
        previousMark = mark;
    }
    return index;
}

QTextBlockFormat SoftBreaks::markFormat(const QTextBlockFormat &base)
{
    QTextBlockFormat format = base;
    format.setProperty(markProperty, nextMark());
    return format;
}

// ---- Lines ---------------------------------------------------------------------

int SoftBreaks::lineCount() const
{
    return m_document->blockCount() - int(index().blockNumbers.size());
}

int SoftBreaks::lineFromPosition(int position) const
{
    const QTextBlock block = m_document->findBlock(position);
    if (!block.isValid())
        return 0;
    const int number = block.blockNumber();
    const std::vector<int> &soft = index().blockNumbers;
    return number - int(std::upper_bound(soft.begin(), soft.end(), number) - soft.begin());
}

int SoftBreaks::lineStart(int line) const
{
    if (line < 0 || line >= lineCount())
        return -1;
    // The i-th block after a display-only break lies on line number - i - 1;
    // that value never falls as i grows, so the breaks before the line are
    // found by bisection.
    const std::vector<int> &soft = index().blockNumbers;
    qsizetype low = 0;
    qsizetype high = qsizetype(soft.size());
    while (low < high) {
        const qsizetype mid = (low + high) / 2;
        if (soft[mid] - mid - 1 < line)
            low = mid + 1;
        else
            high = mid;
    }
    const QTextBlock block = m_document->findBlockByNumber(line + int(low));
    return block.isValid() ? block.position() : -1;
}

int SoftBreaks::lineEnd(int position) const
{
    const int line = lineFromPosition(position);
    if (line + 1 < lineCount())
        return lineStart(line + 1) - 1;
    return qMax(0, m_document->characterCount() - 1);
}

bool SoftBreaks::afterLineBreak(int position) const
{
    if (position <= 0)
        return false;
    const QTextBlock block = m_document->findBlock(position);
    return block.isValid() && block.position() == position && !isSoft(block);
}

// ---- Text ----------------------------------------------------------------------

QList<int> SoftBreaks::softPositions(int from, int to) const
{
    const std::vector<int> &separators = index().separators;
    auto first = std::lower_bound(separators.begin(), separators.end(), from);
    auto last = std::lower_bound(first, separators.end(), to);
    return QList<int>(first, last);
}

QString SoftBreaks::text() const
{
    QString raw = m_document->toRawText();
    for (const int at : index().separators)
        raw[at] = u' ';
    raw.replace(QChar::ParagraphSeparator, u'\n');
    return raw;
}

QString SoftBreaks::text(int from, int to) const
{
    QTextCursor range(m_document);
    range.setPosition(from);
    range.setPosition(to, QTextCursor::KeepAnchor);
    QString raw = range.selectedText();
    for (const int at : softPositions(from, to))
        raw[at - from] = u' ';
    return raw;
}

// ---- Changes -------------------------------------------------------------------

void SoftBreaks::markBreaks(const QList<int> &points)
{
    if (points.isEmpty())
        return;
    const bool undo = m_document->isUndoRedoEnabled();
    const bool modified = m_document->isModified();
    m_document->setUndoRedoEnabled(false);
    QTextCursor cursor(m_document);
    cursor.beginEditBlock();
    for (const int at : points) {
        cursor.setPosition(at + 1);
        cursor.setBlockFormat(markFormat(cursor.blockFormat()));
    }
    cursor.endEditBlock();
    m_document->setUndoRedoEnabled(undo);
    m_document->setModified(modified);
}

void SoftBreaks::insertText(QTextCursor &cursor, const QString &text, const QTextCharFormat &format,
                            LineSplitter::Sizes sizes)
{
    cursor.beginEditBlock();
    if (text.isEmpty())
        cursor.insertText(QString(), format);
    const QList<int> points = LineSplitter::splitPoints(text, sizes);
    qsizetype start = 0;
    qsizetype nextPoint = 0;
    while (start <= text.size()) {
        qsizetype lineBreak = text.indexOf(u'\n', start);
        if (lineBreak < 0)
            lineBreak = text.size();
        const bool soft = nextPoint < points.size() && points[nextPoint] < lineBreak;
        const qsizetype end = soft ? points[nextPoint] : lineBreak;
        if (end > start)
            cursor.insertText(text.mid(start, end - start), format);
        if (end == text.size())
            break;
        const QTextBlockFormat clean = cleanFormat(cursor.blockFormat());
        cursor.insertBlock(soft ? markFormat(clean) : clean, format);
        if (soft)
            ++nextPoint;
        start = end + 1;
    }
    cursor.endEditBlock();
}

bool SoftBreaks::splitLong(int from, int to, LineSplitter::Sizes sizes)
{
    // Positions of the blanks to turn into breaks, found before any changes.
    struct Split {
        int at;
        QTextBlockFormat format;
    };
    std::vector<Split> splits;
    const QTextBlock last = m_document->findBlock(to);
    for (QTextBlock block = m_document->findBlock(from); block.isValid(); block = block.next()) {
        if (block.length() - 1 > sizes.longest) {
            const QTextBlockFormat clean = cleanFormat(block.blockFormat());
            for (const int at : LineSplitter::splitPoints(block.text(), sizes))
                splits.push_back({block.position() + at, clean});
        }
        if (block == last)
            break;
    }
    if (splits.empty())
        return false;
    QTextCursor cursor(m_document);
    cursor.joinPreviousEditBlock();
    for (auto it = splits.rbegin(); it != splits.rend(); ++it) {
        cursor.setPosition(it->at);
        cursor.setPosition(it->at + 1, QTextCursor::KeepAnchor);
        // The break keeps the blank's format, for when it is joined again.
        const QTextCharFormat blank = cursor.charFormat();
        cursor.insertBlock(markFormat(it->format), blank);
    }
    cursor.endEditBlock();
    return true;
}

void SoftBreaks::joinAll(QTextDocument &document)
{
    struct Join {
        int at;
        QTextCharFormat format;
    };
    std::vector<Join> joins;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (isSoft(block))
            joins.push_back({block.position() - 1, block.charFormat()});
    }
    if (joins.empty())
        return;
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (auto it = joins.rbegin(); it != joins.rend(); ++it) {
        cursor.setPosition(it->at);
        cursor.setPosition(it->at + 1, QTextCursor::KeepAnchor);
        cursor.insertText(QStringLiteral(" "), it->format);
    }
    cursor.endEditBlock();
}

} // namespace lumaro
