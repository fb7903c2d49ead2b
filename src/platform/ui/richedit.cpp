#include "richedit.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace lumaro {

namespace {

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

QString withCrLf(QString raw)
{
    raw.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    raw.replace(QChar::LineSeparator, QLatin1String("\r\n"));
    return raw;
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
    return out;
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

QString RichEdit::selText() const { return withCrLf(textCursor().selectedText()); }

void RichEdit::replaceSel(const QString &text)
{
    QTextCursor c = textCursor();
    c.insertText(toDocumentText(text));
    setTextCursor(c);
}

void RichEdit::selectAllText() { setSelection(0, textLength()); }

QString RichEdit::text() const { return withCrLf(document()->toRawText()); }

int RichEdit::textLength() const { return qMax(0, document()->characterCount() - 1); }

bool RichEdit::isModified() const { return document()->isModified(); }

void RichEdit::setModified(bool modified) { document()->setModified(modified); }

int RichEdit::lineFromChar(int position) const
{
    const QTextBlock block = document()->findBlock(qBound(0, position, textLength()));
    return block.isValid() ? block.blockNumber() : 0;
}

int RichEdit::lineIndex(int line) const
{
    const QTextBlock block = document()->findBlockByNumber(line);
    return block.isValid() ? block.position() : -1;
}

int RichEdit::lineLength(int position) const
{
    const QTextBlock block = document()->findBlock(qBound(0, position, textLength()));
    return block.isValid() ? block.length() - 1 : 0;
}

int RichEdit::lineCount() const { return document()->blockCount(); }

int RichEdit::findText(const QString &what, int from, int to, bool wholeWord, bool matchCase) const
{
    if (what.isEmpty())
        return -1;
    QString raw = document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    const int end = (to < 0 || to > raw.size()) ? int(raw.size()) : to;
    const Qt::CaseSensitivity cs = matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    qsizetype pos = qMax(0, from);
    while (pos <= end - what.size()) {
        pos = raw.indexOf(what, pos, cs);
        if (pos < 0 || pos + what.size() > end)
            return -1;
        if (!wholeWord)
            return int(pos);
        const bool startOk = pos == 0 || !isWordChar(raw[pos - 1]);
        const qsizetype after = pos + what.size();
        const bool endOk = after >= raw.size() || !isWordChar(raw[after]);
        if (startOk && endOk)
            return int(pos);
        ++pos;
    }
    return -1;
}

CharAttributes RichEdit::selectionAttributes() const
{
    const QTextCharFormat f = textCursor().charFormat();
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
    setPlainText(toDocumentText(text));
    setModified(false);
}

void RichEdit::clearAll()
{
    clear();
    setModified(false);
}

} // namespace lumaro
