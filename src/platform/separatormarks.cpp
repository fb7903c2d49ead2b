#include "separatormarks.h"

namespace lumaro {

namespace {

QString swapped(QString text, char16_t from1, char16_t to1, char16_t from2, char16_t to2)
{
    // Most pages hold neither: the text is then returned without a copy.
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c == from1)
            text[i] = QChar(to1);
        else if (c == from2)
            text[i] = QChar(to2);
    }
    return text;
}

bool holds(const QString &text, char16_t a, char16_t b)
{
    for (const QChar c : text)
        if (c.unicode() == a || c.unicode() == b)
            return true;
    return false;
}

} // namespace

QString SeparatorMarks::toDocument(QString text)
{
    if (!holds(text, QChar::LineSeparator, QChar::ParagraphSeparator))
        return text;
    return swapped(std::move(text), QChar::LineSeparator, lineStandIn, QChar::ParagraphSeparator, paragraphStandIn);
}

QString SeparatorMarks::fromDocument(QString text)
{
    if (!holds(text, lineStandIn, paragraphStandIn))
        return text;
    return swapped(std::move(text), lineStandIn, QChar::LineSeparator, paragraphStandIn, QChar::ParagraphSeparator);
}

QString SeparatorMarks::markText(QChar c)
{
    if (c.unicode() == lineStandIn)
        return QString(QChar(0x21B5));
    if (c.unicode() == paragraphStandIn)
        return QString(QChar(0x00B6));
    return {};
}

} // namespace lumaro
