#pragma once

#include <QString>

namespace lumaro {

/// The plain text export converter: takes HTML as its source and builds the
/// page's text without markup. "<BR>" becomes a line break, "<P>" two, and
/// every other tag is dropped; the page's own line breaks are dropped too.
/// Entities are written as they stand.
///
/// The converter also follows the phrase tags (B, STRONG, I, EM, ...) to keep
/// a current character style, as its display would; the style never reaches
/// the text it produces.
class texportedit {
public:
    /// The character style the phrase tags have set so far.
    struct Style {
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool strike = false;
        bool centre = false;
    };

    /// Sets the HTML still to be converted.
    void setSource(const QString &html);
    /// What is left of the source.
    QString source() const { return m_source.mid(m_position); }

    /// The text produced so far, with CR LF line breaks.
    const QString &content() const { return m_content; }
    void clearContent() { m_content.clear(); }

    /// Reads the size thresholds and the standard font used for the
    /// converter's display; false with a message when a threshold is not a
    /// whole number.
    bool readini(QString *error = nullptr);
    /// Resets the character style.
    void nulstil();

    /// Converts the whole source into the content: resets the style, reads
    /// the settings (false with a message, and nothing converted, when they
    /// cannot be read), drops every CR LF pair of the source and converts
    /// piece by piece until the source is used up.
    bool exporter(QString *error = nullptr);
    /// The conversion of exporter() without reading the settings.
    void convertSource();
    /// Converts the next piece of the source: the text up to the next "<",
    /// or one tag. A "<" with no ">" after it starts plain text that runs to
    /// the end, so the conversion always ends. False when nothing was left.
    bool readtags();
    /// Handles one tag, "<" to ">" included.
    void decodetags(QString tag);
    /// The tag with every blank that directly precedes a ">" deleted (a run
    /// of blanks before ">" goes as a whole); linear in the tag's length.
    static QString withoutBlanksBeforeGt(const QString &tag);
    /// Makes the current style the style of text inserted next.
    void setattr();

    const Style &style() const { return m_style; }
    const QString &standardFont() const { return m_standardFont; }

private:
    void insertText(QStringView text);

    QString m_source;
    qsizetype m_position = 0;
    QString m_content;
    Style m_style;
    Style m_insertStyle;
    QString m_standardFont = QStringLiteral("arial");
};

} // namespace lumaro
