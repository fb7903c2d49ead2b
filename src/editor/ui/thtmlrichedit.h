#pragma once

#include "colortables.h"
#include "richedit.h"
#include "tagranges.h"
#include "textfile.h"

#include <QColor>
#include <QPoint>
#include <functional>

class QTextCharFormat;

namespace lumaro {

class ColorDocument;
struct ColorSettings;
class ColorFormats;
class PageColouring;

/// The page editor: a rich edit control that colours HTML tags by tag class
/// and offers the services through which commands change a page.
///
/// Colouring runs on four paths: loading a file (loadcolored), typing "<" and
/// ">" (highlight), inserting text (replaceSelection) and recolouring a whole
/// page (color). Every colouring setting is read through the settings store
/// when an operation starts; nothing is kept between operations.
///
/// The page's own keyboard and mouse handling (Enter with modifiers, the
/// typing format after a tag, the cursor position text, the Cut/Copy/Paste
/// states) lives here too; the main window only connects the signals.
class thtmlrichedit : public RichEdit {
    Q_OBJECT
public:
    explicit thtmlrichedit(QWidget *parent = nullptr);
    ~thtmlrichedit() override;

    // ---- Loading and colouring -------------------------------------------

    /// Loads a document file into the editor (coloured when colouring is on)
    /// and clears the modified flag; the file's format is remembered for
    /// saving. False, with the reason in *error, when
    /// the file cannot be read or the colouring file "color.rtf" cannot be
    /// written; the editor is then unchanged.
    bool loadcolored(const QString &fileName, QString *error = nullptr);
    /// Loads text (as read from a file) the same way loadcolored does: the
    /// coloured RTF document is written to "color.rtf" in the installation
    /// directory and the page gets the same text and formats.
    bool loadcoloredText(const QString &text, QString *error = nullptr);

    /// Recolours the whole page (nothing when usecolor is off). Existing
    /// formats are not reset first; see resetFormats().
    void color();
    /// Gives the whole page the default format, keeping the caret and the
    /// modified flag: what the preferences do before recolouring a page.
    void resetFormats();

    /// On-the-fly colouring for one typed key ("<" after it was inserted, ">"
    /// before it is inserted); nothing when usecolor is off.
    void highlight(QChar Key);
    /// The typing path: colours the tag around the caret, looking only at
    /// the lines next to the caret.
    void markonfly(QChar Key);
    /// After a typed "<": colours from it through the next ">" up to ToPos.
    void markonflyle(const TextWindow &Buffer, int &FromPos, int &ToPos);
    /// Before a typed ">": colours from the last "<" back to FromPos up to
    /// the caret (ToPos).
    void markonflygr(const TextWindow &Buffer, int &FromPos, int &ToPos);
    /// Colours the characters FromPos..ToPos-1 by their tag class; the caret
    /// stays where it was, with no selection. Callers check usecolor.
    void markertext(int FromPos, int ToPos);

    /// Colour of a tag text (with the "</ADDRESS" exception), read now.
    QColor setcolorattr(const QString &Text) const;
    /// Font style of a tag text (no exception), read now.
    FontStyle settextattr(const QString &Text) const;
    static QColor colorfraindex(int Index) { return ColorTables::colorfraindex(Index); }
    static FontStyle fontattrfraindex(int Index) { return ColorTables::fontattrfraindex(Index); }
    static QString rtfattrfraindex(int Index) { return ColorTables::rtfattrfraindex(Index); }
    /// "\cf" + colour index of the prefix's class, or empty with usecolor off.
    static QString rtfcolorcode(const QString &Prefix);
    /// RTF attribute words of the prefix's class, or empty with usefontattr off.
    static QString rtfattrcode(const QString &Prefix);

    // ---- Editor services ----------------------------------------------------

    /// The replace-selection operation: replaces the selection (or inserts at
    /// the caret) and colours the inserted tags when colouring is on; the
    /// caret ends after the inserted text. Raises the typing-format check.
    void replaceSelection(const QString &text);

    /// Removes the first "<CursorHere>" marker from the caret on and leaves
    /// the caret where it was; without a marker the text stays as it is.
    void cursorhere();

    /// Replaces FindText by ReplaceText in this page from the caret (from the
    /// start with EntireScope). With WholeProject, instead, in every file of
    /// the project list image (untitled records skipped): each file is read,
    /// changed and written back in its own encoding with CR LF line ends;
    /// open pages are not touched. A file that cannot be read or written
    /// stops the pass with a message naming it. AllOpenFiles and FromCursor
    /// are the caller's business. Returns the number of replacements.
    int replace(bool WholeWord, bool MatchCase, bool AllOpenFiles, bool WholeProject,
                bool FromCursor, bool EntireScope, const QString &FindText,
                const QString &ReplaceText, const QByteArray &ProjectList = {});
    /// Whether the last whole-project replace stopped at a file it could not
    /// read or write (the message was shown).
    bool replaceFailed() const { return m_replaceFailed; }

    /// The drop handler for one dropped file: ".gif"/".jpg" pictures become
    /// an IMG tag with their size, ".url" shortcuts a link with the title
    /// selected, ".lmp" projects go to projectFileDropped, any other file to
    /// openFileRequested.
    void dropFile(const QString &fileName);
    /// Tells the drop handler whether a project is open: the provider gives
    /// the project path, or an empty string when no project is open.
    void setProjectPathProvider(std::function<QString()> provider);
    /// The path-to-URL conversion used for dropped pictures while a project
    /// is open.
    void setPathToUrl(std::function<QString(const QString &localPath)> convert);

    // ---- Editing keys, clipboard and cursor position ------------------------

    /// Key press of a character: tag-open mark, typing-format reset, colouring
    /// of ">". Called by the key event before the character is inserted.
    void RichEdit1KeyPress(QChar Key);
    /// Key down: nothing.
    void richedit0KeyDown(int Key, Qt::KeyboardModifiers Shift);
    /// Key up: Enter with modifiers, cursor position, colouring of "<",
    /// typing-format reset.
    void richedit0KeyUp(int Key, Qt::KeyboardModifiers Shift);
    /// Mouse down: cursor position, and the typing-format check when nothing
    /// is selected.
    void richeditMouseDown();
    /// Mouse move: Cut/Copy and Paste states.
    void richedit0MouseMove();

    /// Shift+Enter: "<BR>" before the line break just typed.
    void brvedreturn();
    /// Ctrl+Enter: "<BR>" instead of the line break just typed.
    void brudenreturn();
    /// Alt+Enter: a line break and "<P>".
    void lavparagraphcr();
    /// Shift+Alt+Enter: "<P>".
    void lavparagraph();

    // Clipboard commands of the page.
    void editcut();
    void editcopy();
    /// Pastes the clipboard text with its tags coloured; afterwards the
    /// clipboard holds the coloured copy.
    void editpaste();
    /// Emits cutCopyAvailable: whether the page has a non-empty selection.
    void kancutogcopy();

    /// The cursor position as the status bar shows it: "   1: 1" at the start.
    QString skrivcursorpos() const;
    /// Line and column (both 0-based) of the selection start.
    QPoint cursorpos() const;

    /// Typing-format check: the typing format returns to the default format
    /// when the character before the caret is ">" or the page is empty.
    void typingFormatCheck();

    /// The format the character at position is shown with, tag colours
    /// included (they are layout formats, not formats of the text).
    QTextCharFormat shownFormat(int position) const;
    /// The colouring that gives the shown blocks their tag formats.
    PageColouring &colouring() const { return *m_colouring; }

    /// Applies word wrap and the page font from the settings. The modified
    /// flag is kept; a new font is given to the whole page.
    void applySettings();

    /// The typing marks shared by all pages: set by a typed "<", and after
    /// ">" or a cursor-movement key; the next key event acts on them.
    struct TypingMarks {
        bool tagOpen = false;
        bool attrResetPending = false;
    };
    static TypingMarks &typingMarks();

    /// How the page's file was written (encoding, byte-order mark, final
    /// line break); the page is saved the same way.
    const FileFormat &fileFormat() const { return m_fileFormat; }
    void setFileFormat(const FileFormat &format) { m_fileFormat = format; }
    /// The encoding the page was read in; it is saved in the same one.
    TextEncoding encoding() const { return m_fileFormat.encoding; }
    void setEncoding(TextEncoding encoding) { m_fileFormat.encoding = encoding; }

signals:
    /// A file was dropped that should open as a page (not a picture or link).
    void openFileRequested(const QString &fileName);
    /// A project file (".lmp") was dropped on the page.
    void projectFileDropped(const QString &fileName);
    /// Cut and Copy can act: the page has a non-empty selection.
    void cutCopyAvailable(bool available);
    /// Paste can act: the clipboard holds text.
    void pasteAvailable(bool available);
    /// The status bar's cursor position text changed ("   3: 7").
    void cursorPositionTextChanged(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    void paintEvent(QPaintEvent *event) override;
    void decorateCopy(QTextDocument &copy, int from) const override;

    FileFormat m_fileFormat;

private:
    void applyColorDocument(const ColorDocument &document, const ColorSettings &settings);
    /// Takes the colouring settings in force when they changed since the
    /// page last looked (the typing and insert paths read them now).
    void followColourSettings();
    /// Inserts plain text at the caret with the default format and colours
    /// its tags as a recolour of that text alone would.
    void insertColoured(const QString &text);
    /// The page text of the lines first..last (line breaks as "\n").
    /// The page text from..to (stopping at limit) that a typing scan from
    /// the caret (at from when forward, else at to - 1) needs.
    TextWindow scanWindow(int from, int to, int limit, bool forward) const;
    /// Puts the caret at position with no selection and the typing format of
    /// the text before it.
    void restoreCaret(int position);
    /// Re-reads the caret position text and emits it when it changed.
    void updateCursorPositionText();
    int replaceInProject(const QString &find, const QString &replacement, bool wholeWord,
                         bool matchCase, const QByteArray &projectList);
    QTextCharFormat defaultCharFormat() const;
    QWidget *messageParent();

    PageColouring *m_colouring; ///< owned by the document
    std::function<QString()> m_projectPath;
    std::function<QString(const QString &)> m_pathToUrl;
    QString m_cursorText;
    bool m_replaceFailed = false;
    bool m_clipboardHasText = false;
    bool m_clipboardKnown = false;
};

} // namespace lumaro
