#pragma once

#include "importsettings.h"

#include <QString>
#include <QtGlobal>

#include <functional>
#include <memory>

class QByteArray;
class QFont;
class QTextCharFormat;
class QTextDocument;

namespace lumaro {

/// The character attributes the RTF import looks at for one position.
struct ImportAttributes {
    int pointSize = 0;
    /// The colour as the platform's colour value, 0x00BBGGRR.
    quint32 color = 0;
    QString face;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
};

/// How the import walks its document. Both give the same output: the
/// character walk looks at every position on its own, the run walk looks at
/// each run of equally formatted text once.
enum class ImportWalk { Characters, Runs };

/// The RTF import converter: a hidden rich text document that is loaded from
/// an RTF file and walked position by position, turning character and
/// paragraph formats into HTML markup.
///
/// Character styles become configurable tags (B, I, U, S by default),
/// centred paragraphs CENTER blocks, paragraph marks one break tag per run of
/// them, and changes of size, colour and (optionally) face a new FONT tag.
class timpexprichedit {
public:
    using Progress = std::function<void(qint64 position, qint64 length)>;

    timpexprichedit();
    ~timpexprichedit();
    timpexprichedit(const timpexprichedit &) = delete;
    timpexprichedit &operator=(const timpexprichedit &) = delete;

    /// The converter's content.
    QTextDocument *document() const { return m_document.get(); }

    /// Loads an RTF file into the content. False with a reason when the file
    /// cannot be read or is not RTF; the content is then unchanged.
    bool loadFromFile(const QString &fileName, QString *error = nullptr);
    /// Loads RTF data into the content; false with a reason when it is not RTF.
    bool loadRtf(const QByteArray &data, QString *error = nullptr);

    /// Reads the settings from the store; false (settings unchanged) with a
    /// message when a threshold is not a whole number.
    bool readini(QString *error = nullptr);
    void setSettings(const ImportSettings &settings) { m_settings = settings; }
    const ImportSettings &settings() const { return m_settings; }

    /// Converts the whole content: reads the settings, resets the state,
    /// walks the content and closes what is open. The output is appended to
    /// (the caller clears it first). False with a message, and no output
    /// added, when the settings cannot be read.
    bool importer(QString *error = nullptr, ImportWalk walk = ImportWalk::Runs,
                  const Progress &progress = {});
    /// Converts any document with the current settings: resets the state,
    /// walks the document, closes what is open and appends to the output.
    void convert(const QTextDocument &document, ImportWalk walk = ImportWalk::Runs,
                 const Progress &progress = {});

    const QString &output() const { return m_output; }
    void clearOutput() { m_output.clear(); }

    // The steps of the conversion, one position at a time.
    /// Resets the converter state (not the output).
    void nulstil();
    /// Notes a change of size, colour or face and writes a new FONT tag then.
    void lavfonttags(const ImportAttributes &attributes);
    /// Closes the open FONT tag and opens one for the current run.
    void nyfonttags();
    /// Opens or closes CENTER for the paragraph and writes the break tag for
    /// the first of a run of paragraph marks.
    void lavcenpartags(bool centred, bool paragraphMark);
    /// Closes and opens the style tags to match the character.
    void lavtags1(const ImportAttributes &attributes);
    /// Closes whatever is still open.
    void afsluttags();
    /// Turns hexadecimal colour text in the platform's blue-green-red order
    /// into red-green-blue order ("0000FF" -> "FF0000"). Text that is not
    /// six characters long is returned unchanged.
    static QString reversehex(const QString &hex);

    /// The attributes the import reads from a character format; properties
    /// the format does not set come from the document's default font (and
    /// black for the colour).
    static ImportAttributes attributesOf(const QTextCharFormat &format, const QFont &defaultFont);

private:
    void walkCharacters(const QTextDocument &document, const Progress &progress);
    void walkRuns(const QTextDocument &document, const Progress &progress);
    void step(const ImportAttributes &attributes, bool centred, bool paragraphMark);
    void openTag(const QString &tag);
    void closeTag(const QString &tag);

    std::unique_ptr<QTextDocument> m_document;
    ImportSettings m_settings;

    bool m_centreOpen = false;
    bool m_boldOpen = false;
    bool m_italicOpen = false;
    bool m_underlineOpen = false;
    bool m_strikeOpen = false;
    bool m_breakWritten = false;
    unsigned m_sizeFlags = 0;
    bool m_fontOpen = false;
    int m_currentSize = 0;
    quint32 m_currentColor = 0;
    QString m_currentFace;
    QString m_output;
};

} // namespace lumaro
