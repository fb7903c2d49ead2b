#include "crlftextedit.h"

namespace lumaro {

CrlfTextEdit::CrlfTextEdit(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
}

QString CrlfTextEdit::text() const
{
    // The raw text keeps every character (toPlainText() would turn
    // non-breaking spaces into blanks); blocks are joined by CR LF.
    QString raw = document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    raw.replace(QChar::LineSeparator, QLatin1String("\r\n"));
    return raw;
}

void CrlfTextEdit::setText(const QString &text)
{
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setPlainText(plain);
}

QSize CrlfTextEdit::sizeHint() const
{
    // Room for four lines of a short paragraph.
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(QLatin1Char('x')) * 40, fm.lineSpacing() * 4 + 2 * frameWidth() + 8};
}

} // namespace lumaro
