#pragma once

#include <QColor>
#include <QPlainTextEdit>
#include <QString>
#include <QTextCharFormat>

#include "softbreaks.h"

namespace lumaro {

/// Character attributes as the page editors expose them: the colour and
/// style of a run, and the face and size.
struct CharAttributes {
    QColor color = Qt::black;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QString face;
    int pointSize = 0; ///< 0: leave unchanged
};

/// The rich edit control of a page, over a QPlainTextEdit.
///
/// Positions and lengths (caret, selection, find results, line index and
/// length) are the document's own, where a line break is one position. Text
/// read from the control comes with CR LF line breaks; text given to it may
/// hold CR LF, LF or CR, each becoming one line break.
///
/// U+2028 and U+2029 in a page are held as stand-ins (SeparatorMarks) that
/// this class turns back in every text it gives out.
///
/// A very long line is held as several blocks joined by display-only breaks
/// (SoftBreaks), each standing in for one blank; every answer here is the
/// page's own, as if the line were one block. Text put into the document
/// goes through setPageText() and insertPageText() so the breaks stay right.
class RichEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit RichEdit(QWidget *parent = nullptr);

    // Caret and selection.
    int caretPosition() const;
    void setCaretPosition(int position);
    int selStart() const;
    int selLength() const;
    /// Selects length characters from start (clamped to the text).
    void setSelection(int start, int length);
    /// The selected text with CR LF line breaks; empty with no selection.
    QString selText() const;
    /// Replaces the selection, or inserts at the caret; the caret ends after
    /// the inserted text. The text's line breaks may be CR LF, LF or CR.
    void replaceSel(const QString &text);
    void selectAllText();

    /// The whole text with CR LF line breaks.
    QString text() const;
    /// The whole text with "\n" line breaks; positions are those of the page.
    QString pageText() const;
    /// The text from..to as QTextCursor::selectedText() gives it (line
    /// breaks as U+2029), display-only breaks read as their blanks.
    QString textRange(int from, int to) const;
    /// True when position is just after a line break.
    bool isLineStart(int position) const;
    /// Number of positions in the document (a line break counts one).
    int textLength() const;

    bool isModified() const;
    void setModified(bool modified);

    // Lines: a line is a paragraph of the document (a run ended by a break).
    int lineFromChar(int position) const;
    /// Position of the first character of a line, -1 when there is no such line.
    int lineIndex(int line) const;
    /// Length of the line that holds the position, without its break.
    int lineLength(int position) const;
    int lineCount() const;

    /// Finds text between from and to (to = -1: end of text). Returns the
    /// position of the match or -1. A whole word is bounded by characters
    /// that are not letters, digits or underscore.
    int findText(const QString &what, int from, int to, bool wholeWord, bool matchCase) const;

    // Character attributes.
    CharAttributes selectionAttributes() const;
    /// Applies the attributes to the selection (or the typing format when
    /// nothing is selected).
    void setSelectionAttributes(const CharAttributes &attributes);
    CharAttributes defaultAttributes() const;
    /// Sets the attributes new text gets and the editor font.
    void setDefaultAttributes(const CharAttributes &attributes);

    /// Replaces the whole text with unformatted text (the default attributes).
    void loadPlainText(const QString &text);
    /// Replaces the whole text ("\n" line breaks), like setPlainText().
    void setPageText(const QString &pageText);
    /// Inserts text ("\n" line breaks) at cursor with format, like
    /// QTextCursor::insertText().
    void insertPageText(QTextCursor &cursor, const QString &text, const QTextCharFormat &format);
    /// Splits lines that grew too long in the text from..to, as part of the
    /// last edit (so one undo takes back both). Not while edits can be redone.
    void splitLongLines(int from, int to);
    /// The format text typed at cursor gets, as on the page.
    QTextCharFormat insertionFormat(const QTextCursor &cursor) const;
    /// Prints the page as its text reads, display-only breaks as blanks.
    void print(QPagedPaintDevice *printer) const;
    /// The text as it is saved: every character, CR LF line breaks.
    QString plainTextForSave() const { return text(); }

    /// Empties the editor and clears the modified flag.
    void clearAll();

    /// The character format that shows the attributes.
    static QTextCharFormat toCharFormat(const CharAttributes &attributes);

    /// Converts text with CR LF, LF or CR breaks into the document's form.
    static QString toDocumentText(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    /// Draws the marks of U+2028 and U+2029 over their stand-ins, which
    /// the font shows as blanks. Only painted: the document is untouched.
    void paintEvent(QPaintEvent *event) override;
    QMimeData *createMimeDataFromSelection() const override;
    /// Gives a copy of the page that leaves the editor (printing, the
    /// clipboard) the look the page shows; copy holds the page from position
    /// from on, display-only breaks still as breaks.
    virtual void decorateCopy(QTextDocument &copy, int from) const;
    void insertFromMimeData(const QMimeData *source) override;

private:
    /// How long lines are cut, by the word wrap in force.
    LineSplitter::Sizes splitSizes() const;
    /// Home and End without word wrap go to the ends of the page's line.
    bool moveToLineEdge(QKeyEvent *event);

    CharAttributes m_default;
    SoftBreaks m_soft;
};

} // namespace lumaro
