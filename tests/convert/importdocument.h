#pragma once

#include <QColor>
#include <QString>
#include <QTextCursor>
#include <QTextDocument>

namespace lumaro::test {

/// One run of text for documents built in the RTF import tests.
struct RunFormat {
    int size = 10;
    QColor color = Qt::black;
    QString face = QStringLiteral("Arial");
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;

    RunFormat withBold() const { RunFormat f = *this; f.bold = true; return f; }
    RunFormat withItalic() const { RunFormat f = *this; f.italic = true; return f; }
    RunFormat withUnderline() const { RunFormat f = *this; f.underline = true; return f; }
    RunFormat withStrike() const { RunFormat f = *this; f.strike = true; return f; }
    RunFormat withSize(int s) const { RunFormat f = *this; f.size = s; return f; }
    RunFormat withColor(const QColor &c) const { RunFormat f = *this; f.color = c; return f; }
    RunFormat withFace(const QString &n) const { RunFormat f = *this; f.face = n; return f; }

    QTextCharFormat toFormat() const
    {
        QTextCharFormat f;
        f.setFontPointSize(size);
        f.setForeground(color);
        f.setFontFamilies({face});
        f.setFontWeight(bold ? QFont::Bold : QFont::Normal);
        f.setFontItalic(italic);
        f.setFontUnderline(underline);
        f.setFontStrikeOut(strike);
        return f;
    }
};

/// Builds a formatted document the way the RTF reader does: text runs with
/// their formats, paragraph marks carrying the format in effect, paragraph
/// alignment per block.
class ImportDocument {
public:
    ImportDocument() : m_cursor(&m_document) {}

    ImportDocument &text(const QString &text, const RunFormat &format = {})
    {
        m_cursor.insertText(text, format.toFormat());
        m_last = format;
        return *this;
    }
    /// Ends the paragraph; the mark takes the last run's format.
    ImportDocument &paragraph() { return paragraph(m_last); }
    ImportDocument &paragraph(const RunFormat &markFormat)
    {
        m_cursor.insertBlock(QTextBlockFormat(), markFormat.toFormat());
        return *this;
    }
    /// Centres the paragraph the cursor is in.
    ImportDocument &centre()
    {
        QTextBlockFormat f = m_cursor.blockFormat();
        f.setAlignment(Qt::AlignHCenter);
        m_cursor.setBlockFormat(f);
        return *this;
    }
    const QTextDocument &document() const { return m_document; }

private:
    QTextDocument m_document;
    QTextCursor m_cursor;
    RunFormat m_last;
};

} // namespace lumaro::test
