#include "richedit.h"

#include "linesplitter.h"
#include "separatormarks.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QTextLayout>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <memory>

namespace lumaro {

namespace {

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

/// The control's text as the page's: its breaks as CR LF, the stand-ins
/// of U+2028 and U+2029 as those characters.
QString withCrLf(QString raw)
{
    raw.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    raw.replace(QChar::LineSeparator, QLatin1String("\r\n"));
    return SeparatorMarks::fromDocument(std::move(raw));
}


} // namespace

QTextCharFormat RichEdit::toCharFormat(const CharAttributes &a)
{
    QTextCharFormat f;
    f.setForeground(a.color);
    f.setFontWeight(a.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(a.italic);
    f.setFontUnderline(a.underline);
    f.setFontStrikeOut(a.strikeOut);
    if (!a.face.isEmpty())
        f.setFontFamilies({a.face});
    if (a.pointSize > 0)
        f.setFontPointSize(a.pointSize);
    return f;
}

RichEdit::RichEdit(QWidget *parent)
    : QPlainTextEdit(parent)
    , m_soft(document())
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    m_default.face = font().family();
    m_default.pointSize = font().pointSize();
}

QString RichEdit::toDocumentText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r')) {
            out += QLatin1Char('\n');
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
        } else {
            out += c;
        }
    }
    return SeparatorMarks::toDocument(std::move(out));
}

int RichEdit::caretPosition() const { return textCursor().position(); }

void RichEdit::setCaretPosition(int position)
{
    QTextCursor c = textCursor();
    c.setPosition(qBound(0, position, textLength()));
    setTextCursor(c);
}

int RichEdit::selStart() const { return textCursor().selectionStart(); }

int RichEdit::selLength() const
{
    const QTextCursor c = textCursor();
    return c.selectionEnd() - c.selectionStart();
}

void RichEdit::setSelection(int start, int length)
{
    const int size = textLength();
    const int s = qBound(0, start, size);
    const int e = qBound(s, s + qMax(0, length), size);
    QTextCursor c = textCursor();
    c.setPosition(s);
    c.setPosition(e, QTextCursor::KeepAnchor);
    setTextCursor(c);
}

QString RichEdit::selText() const
{
    const QTextCursor c = textCursor();
    return withCrLf(textRange(c.selectionStart(), c.selectionEnd()));
}

void RichEdit::insertFromMimeData(const QMimeData *source)
{
    if (source && source->hasText()) {
        QMimeData held;
        held.setText(SeparatorMarks::toDocument(source->text()));
        QPlainTextEdit::insertFromMimeData(&held);
        return;
    }
    QPlainTextEdit::insertFromMimeData(source);
}

void RichEdit::replaceSel(const QString &text)
{
    QTextCursor c = textCursor();
    QTextCharFormat format = insertionFormat(c);
    format.clearProperty(QTextFormat::ObjectType);
    insertPageText(c, toDocumentText(text), format);
    setTextCursor(c);
}

void RichEdit::selectAllText() { setSelection(0, textLength()); }

QString RichEdit::text() const
{
    if (!m_soft.anySplit())
        return withCrLf(document()->toRawText());
    QString page = m_soft.text();
    page.replace(u'\n', QLatin1String("\r\n"));
    page.replace(QChar::LineSeparator, QLatin1String("\r\n"));
    return SeparatorMarks::fromDocument(std::move(page));
}

QString RichEdit::pageText() const { return SeparatorMarks::fromDocument(m_soft.text()); }

QString RichEdit::textRange(int from, int to) const
{
    const int size = textLength();
    const int start = qBound(0, from, size);
    return m_soft.text(start, qBound(start, to, size));
}

bool RichEdit::isLineStart(int position) const { return m_soft.afterLineBreak(position); }

int RichEdit::textLength() const { return qMax(0, document()->characterCount() - 1); }

bool RichEdit::isModified() const { return document()->isModified(); }

void RichEdit::setModified(bool modified) { document()->setModified(modified); }

int RichEdit::lineFromChar(int position) const
{
    return m_soft.lineFromPosition(qBound(0, position, textLength()));
}

int RichEdit::lineIndex(int line) const { return m_soft.lineStart(line); }

int RichEdit::lineLength(int position) const
{
    const int at = qBound(0, position, textLength());
    return m_soft.lineEnd(at) - m_soft.lineStart(m_soft.lineFromPosition(at));
}

int RichEdit::lineCount() const { return m_soft.lineCount(); }

int RichEdit::findText(const QString &what, int from, int to, bool wholeWord, bool matchCase) const
{
    if (what.isEmpty())
        return -1;
    const QString raw = m_soft.text();
    const QString wanted = SeparatorMarks::toDocument(what);
    const int end = (to < 0 || to > raw.size()) ? int(raw.size()) : to;
    const Qt::CaseSensitivity cs = matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    qsizetype pos = qMax(0, from);
    while (pos <= end - wanted.size()) {
        pos = raw.indexOf(wanted, pos, cs);
        if (pos < 0 || pos + wanted.size() > end)
            return -1;
        if (!wholeWord)
            return int(pos);
        const bool startOk = pos == 0 || !isWordChar(raw[pos - 1]);
        const qsizetype after = pos + wanted.size();
        const bool endOk = after >= raw.size() || !isWordChar(raw[after]);
        if (startOk && endOk)
            return int(pos);
        ++pos;
    }
    return -1;
}

QTextCharFormat RichEdit::insertionFormat(const QTextCursor &cursor) const
{
    const QTextCharFormat format = cursor.charFormat();
    if (cursor.hasSelection() || !m_soft.anySplit())
        return format;
    // A format chosen for typing stays.
    const int at = cursor.position();
    QTextCursor plain(document());
    plain.setPosition(at);
    if (format != plain.charFormat())
        return format;
    // As the control reads a page without pieces: the character after the
    // caret at the start of a line that has one, else the one before; a
    // display-only break reads as the blank it stands for.
    const int line = m_soft.lineFromPosition(at);
    const bool lineStart = at == m_soft.lineStart(line);
    const int from = lineStart && at < m_soft.lineEnd(at) ? at : at - 1;
    if (from < 0)
        return format;
    const QTextBlock after = document()->findBlock(from + 1);
    if (after.position() == from + 1)
        return after.charFormat(); // the break at from
    QTextCursor character(document());
    character.setPosition(from + 1);
    return character.charFormat();
}

CharAttributes RichEdit::selectionAttributes() const
{
    const QTextCharFormat f = insertionFormat(textCursor());
    CharAttributes a;
    a.color = f.foreground().style() == Qt::NoBrush ? m_default.color : f.foreground().color();
    a.bold = f.fontWeight() >= QFont::Bold;
    a.italic = f.fontItalic();
    a.underline = f.fontUnderline();
    a.strikeOut = f.fontStrikeOut();
    const QStringList families = f.fontFamilies().toStringList();
    a.face = families.isEmpty() ? m_default.face : families.constFirst();
    a.pointSize = f.fontPointSize() > 0 ? int(f.fontPointSize()) : m_default.pointSize;
    return a;
}

void RichEdit::setSelectionAttributes(const CharAttributes &attributes)
{
    QTextCursor c = textCursor();
    const QTextCharFormat f = toCharFormat(attributes);
    if (c.hasSelection())
        c.mergeCharFormat(f);
    else
        mergeCurrentCharFormat(f);
}

CharAttributes RichEdit::defaultAttributes() const { return m_default; }

void RichEdit::setDefaultAttributes(const CharAttributes &attributes)
{
    m_default = attributes;
    QFont f = font();
    if (!attributes.face.isEmpty())
        f.setFamily(attributes.face);
    if (attributes.pointSize > 0)
        f.setPointSize(attributes.pointSize);
    setFont(f);
    QTextCursor c(document());
    c.movePosition(QTextCursor::End);
    QTextCharFormat cf = toCharFormat(attributes);
    setCurrentCharFormat(cf);
}

void RichEdit::loadPlainText(const QString &text)
{
    setPageText(toDocumentText(text));
    setModified(false);
}

void RichEdit::setPageText(const QString &pageText)
{
    const QString text = SeparatorMarks::toDocument(pageText);
    const QList<int> points = LineSplitter::splitPoints(text, splitSizes());
    if (points.isEmpty()) {
        setPlainText(text);
        return;
    }
    QString split = text;
    for (const int at : points)
        split[at] = u'\n';
    setPlainText(split);
    m_soft.markBreaks(points);
}

void RichEdit::insertPageText(QTextCursor &cursor, const QString &text, const QTextCharFormat &format)
{
    m_soft.insertText(cursor, SeparatorMarks::toDocument(text), format, splitSizes());
}

void RichEdit::splitLongLines(int from, int to)
{
    // Joined to an edit that can be redone, the split would end the redo.
    if (document()->availableRedoSteps() > 0)
        return;
    const bool modified = isModified();
    const QTextCursor keep = textCursor();
    if (!m_soft.splitLong(qBound(0, from, textLength()), qBound(0, to, textLength()), splitSizes()))
        return;
    QTextCursor fresh(document());
    fresh.setPosition(keep.anchor());
    fresh.setPosition(keep.position(), QTextCursor::KeepAnchor);
    setTextCursor(fresh);
    setModified(modified);
}

LineSplitter::Sizes RichEdit::splitSizes() const
{
    return lineWrapMode() == QPlainTextEdit::NoWrap ? LineSplitter::unwrapped : LineSplitter::wrapped;
}

void RichEdit::decorateCopy(QTextDocument &, int) const
{
}

void RichEdit::print(QPagedPaintDevice *printer) const
{
    if (!printer)
        return;
    std::unique_ptr<QTextDocument> copy;
    int from = 0;
    const auto *paper = dynamic_cast<const QPrinter *>(printer);
    if (paper && paper->printRange() == QPrinter::Selection) {
        if (!textCursor().hasSelection())
            return;
        copy = std::make_unique<QTextDocument>();
        copy->setMetaInformation(QTextDocument::DocumentTitle, document()->metaInformation(QTextDocument::DocumentTitle));
        copy->setPageSize(document()->pageSize());
        copy->setDefaultFont(document()->defaultFont());
        copy->setUseDesignMetrics(document()->useDesignMetrics());
        QTextCursor(copy.get()).insertFragment(textCursor().selection());
        from = textCursor().selectionStart();
    } else {
        copy.reset(document()->clone());
    }
    decorateCopy(*copy, from);
    SoftBreaks::joinAll(*copy);
    copy->print(printer);
}

QMimeData *RichEdit::createMimeDataFromSelection() const
{
    const QTextCursor selection = textCursor();
    // The copy leaves with its blanks, as the page holds them, and with the
    // look the page shows.
    QTextDocument copy;
    copy.setDefaultFont(document()->defaultFont());
    QTextCursor(&copy).insertFragment(selection.selection());
    decorateCopy(copy, selection.selectionStart());
    SoftBreaks::joinAll(copy);
    const QTextDocumentFragment joined(&copy);
    auto *data = new QMimeData;
    data->setText(SeparatorMarks::fromDocument(joined.toPlainText()));
    data->setHtml(SeparatorMarks::fromDocument(joined.toHtml()));
    return data;
}

bool RichEdit::moveToLineEdge(QKeyEvent *event)
{
    if (lineWrapMode() != QPlainTextEdit::NoWrap || !m_soft.anySplit())
        return false;
    bool end = false;
    bool select = false;
    if (event->matches(QKeySequence::MoveToEndOfLine))
        end = true;
    else if (event->matches(QKeySequence::SelectEndOfLine))
        end = select = true;
    else if (event->matches(QKeySequence::SelectStartOfLine))
        select = true;
    else if (!event->matches(QKeySequence::MoveToStartOfLine))
        return false;
    QTextCursor c = textCursor();
    const int at = c.position();
    const int target = end ? m_soft.lineEnd(at) : m_soft.lineStart(m_soft.lineFromPosition(at));
    c.setPosition(target, select ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor);
    setTextCursor(c);
    ensureCursorVisible();
    event->accept();
    return true;
}

void RichEdit::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !isReadOnly() && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        // The new line starts with a clean block format: the control would
        // copy the mark of a display-only break into it.
        QTextCursor c = textCursor();
        QTextBlockFormat format = c.blockFormat();
        format.clearProperty(SoftBreaks::markProperty);
        c.insertBlock(format, insertionFormat(c));
        setTextCursor(c);
        ensureCursorVisible();
        event->accept();
    } else if (!moveToLineEdge(event)) {
        QTextCursor c = textCursor();
        if (!event->text().isEmpty() && m_soft.anySplit()) {
            const QTextCharFormat format = insertionFormat(c);
            if (format != c.charFormat()) {
                c.setCharFormat(format);
                setTextCursor(c);
            }
        }
        QPlainTextEdit::keyPressEvent(event);
    }
    // Typing and deleting across display-only breaks make blocks grow.
    const QTextBlock block = textCursor().block();
    if (block.length() - 1 > splitSizes().longest)
        splitLongLines(block.position(), block.position() + block.length() - 1);
}

void RichEdit::paintEvent(QPaintEvent *event)
{
    QPlainTextEdit::paintEvent(event);
    QPainter painter(viewport());
    QColor ink = palette().color(QPalette::Text);
    ink.setAlpha(150);
    const QPointF offset = contentOffset();
    const int bottom = viewport()->rect().bottom();
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF area = blockBoundingGeometry(block).translated(offset);
        if (area.top() > bottom)
            break;
        const QString text = block.text();
        const QTextLayout *layout = block.layout();
        for (int i = 0; i < text.size() && layout; ++i) {
            const QString mark = SeparatorMarks::markText(text.at(i));
            if (mark.isEmpty())
                continue;
            const QTextLine line = layout->lineForTextPosition(i);
            if (!line.isValid())
                continue;
            const qreal left = line.cursorToX(i);
            const qreal right = line.cursorToX(i + 1);
            const QRectF cell(area.left() + qMin(left, right), area.top() + line.y(), qMax(qAbs(right - left), 4.0),
                              line.height());
            painter.setPen(ink);
            painter.drawRect(cell.adjusted(0.5, 1.5, -0.5, -1.5));
            painter.drawText(cell, Qt::AlignCenter, mark);
        }
    }
}

void RichEdit::clearAll()
{
    clear();
    setModified(false);
}

} // namespace lumaro
