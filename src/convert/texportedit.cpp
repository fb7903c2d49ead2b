#include "texportedit.h"

#include "importsettings.h"
#include "tregini.h"

namespace lumaro {

void texportedit::setSource(const QString &html)
{
    m_source = html;
    m_position = 0;
}

bool texportedit::readini(QString *error)
{
    const std::optional<ImportSettings> settings = ImportSettings::fromStore(error);
    if (!settings)
        return false;
    m_standardFont = settings->standardFont;
    return true;
}

void texportedit::nulstil()
{
    m_style = Style();
    m_insertStyle = Style();
}

bool texportedit::exporter(QString *error)
{
    nulstil();
    if (!readini(error))
        return false;
    convertSource();
    return true;
}

void texportedit::convertSource()
{
    m_source = m_source.mid(m_position);
    m_position = 0;
    m_source.replace(QLatin1String("\r\n"), QString());
    m_content.reserve(m_content.size() + m_source.size());
    while (readtags()) {
    }
}

bool texportedit::readtags()
{
    const qsizetype size = m_source.size();
    if (m_position >= size)
        return false;
    if (m_source.at(m_position) != QLatin1Char('<')) {
        qsizetype next = m_source.indexOf(QLatin1Char('<'), m_position);
        if (next < 0)
            next = size;
        insertText(QStringView(m_source).mid(m_position, next - m_position));
        m_position = next;
        return true;
    }
    const qsizetype close = m_source.indexOf(QLatin1Char('>'), m_position);
    if (close < 0) {
        // A "<" that no ">" follows is not a tag: keep the rest as text.
        insertText(QStringView(m_source).mid(m_position));
        m_position = size;
        return true;
    }
    const QString tag = m_source.mid(m_position, close - m_position + 1);
    m_position = close + 1;
    decodetags(tag);
    setattr();
    return true;
}

QString texportedit::withoutBlanksBeforeGt(const QString &tag)
{
    // One pass: blanks are held back until the next character shows whether
    // they stand before a ">" (dropped) or not (kept).
    QString out;
    out.reserve(tag.size());
    qsizetype blanks = 0;
    for (const QChar c : tag) {
        if (c == u' ') {
            ++blanks;
            continue;
        }
        if (c != u'>' && blanks > 0)
            out.append(QString(blanks, u' '));
        blanks = 0;
        out.append(c);
    }
    if (blanks > 0)
        out.append(QString(blanks, u' '));
    return out;
}

void texportedit::decodetags(QString tag)
{
    tag = withoutBlanksBeforeGt(tag);
    // The longest tag that means anything is "</ADDRESS>"; longer ones (with
    // attributes, comments) are dropped without looking further.
    if (tag.size() > 10)
        return;
    const QString t = tag.toUpper();
    if (t == QLatin1String("<BR>")) {
        m_content += QLatin1String("\r\n");
    } else if (t == QLatin1String("<P>")) {
        m_content += QLatin1String("\r\n\r\n");
    } else if (t == QLatin1String("<B>") || t == QLatin1String("<STRONG>")) {
        m_style.bold = true;
    } else if (t == QLatin1String("</B>") || t == QLatin1String("</STRONG>")) {
        m_style.bold = false;
    } else if (t == QLatin1String("<I>") || t == QLatin1String("<ADDRESS>") || t == QLatin1String("<CITE>")
               || t == QLatin1String("<DFN>") || t == QLatin1String("<EM>")) {
        m_style.italic = true;
    } else if (t == QLatin1String("</I>") || t == QLatin1String("</ADDRESS>") || t == QLatin1String("</CITE>")
               || t == QLatin1String("</DFN>") || t == QLatin1String("</EM>")) {
        m_style.italic = false;
    } else if (t == QLatin1String("<U>")) {
        m_style.underline = true;
    } else if (t == QLatin1String("</U>")) {
        m_style.underline = false;
    } else if (t == QLatin1String("<S>") || t == QLatin1String("<STRIKE>")) {
        m_style.strike = true;
    } else if (t == QLatin1String("</S>") || t == QLatin1String("</STRIKE>")) {
        m_style.strike = false;
    } else if (t == QLatin1String("<CENTER>")) {
        m_style.centre = true;
    } else if (t == QLatin1String("</CENTER>")) {
        m_style.centre = false;
    }
    // Any other tag (with attributes, comments, unknown names) is dropped.
}

void texportedit::setattr()
{
    m_insertStyle = m_style;
}

void texportedit::insertText(QStringView text)
{
    // The source's CR LF pairs are gone; a lone CR or LF left in it is a
    // line break of the converter's content, saved as CR LF.
    qsizetype from = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            m_content += text.mid(from, i - from);
            m_content += QLatin1String("\r\n");
            from = i + 1;
        }
    }
    m_content += text.mid(from);
}

} // namespace lumaro
