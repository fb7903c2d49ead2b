#pragma once

#include "richedit.h"
#include "textfile.h"

namespace lumaro {

/// The page editor: a rich edit control that colours HTML tags by tag class
/// and offers the services through which commands change a page.
///
/// NOTE: this is the interface the application shell codes against; the
/// colouring engine and editor services fill it in.
class thtmlrichedit : public RichEdit {
    Q_OBJECT
public:
    explicit thtmlrichedit(QWidget *parent = nullptr);

    /// Loads a document file into the editor (coloured when colouring is on)
    /// and clears the modified flag. False, with the reason in *error, when
    /// the file cannot be read; the editor is then unchanged.
    bool loadcolored(const QString &fileName, QString *error = nullptr);
    /// Loads text (as read from a file) the same way loadcolored does.
    void loadcoloredText(const QString &text);

    /// The replace-selection operation: replaces the selection (or inserts at
    /// the caret) and colours the inserted tags when colouring is on.
    void replaceSelection(const QString &text);

    /// Removes the first "<CursorHere>" marker and puts the caret there.
    void cursorhere();

    /// Recolours the whole page.
    void color();

    /// Replaces FindText by ReplaceText in this page (and, with WholeProject,
    /// in every file of the project list: the project file image). Returns
    /// the number of replacements made.
    int replace(bool WholeWord, bool MatchCase, bool AllOpenFiles, bool WholeProject,
                bool FromCursor, bool EntireScope, const QString &FindText,
                const QString &ReplaceText, const QByteArray &ProjectList = {});

    // Clipboard commands of the page.
    void editcut();
    void editcopy();
    void editpaste();
    /// The cursor position as the status bar shows it: "   1: 1" at the start.
    QString skrivcursorpos() const;

    /// The encoding the page was read in; it is saved in the same one.
    TextEncoding encoding() const { return m_encoding; }
    void setEncoding(TextEncoding encoding) { m_encoding = encoding; }

signals:
    /// A file was dropped that should open as a page (not a picture or link).
    void openFileRequested(const QString &fileName);

protected:
    TextEncoding m_encoding = TextEncoding::Utf8;
};

} // namespace lumaro
