#include "pagecontent.h"
#include "thtmlrichedit.h"

#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace lumaro {

void PageContent::move(thtmlrichedit &from, thtmlrichedit &to)
{
    const bool modified = from.isModified();
    const QTextCursor sourceCaret = from.textCursor();

    QTextCursor all(from.document());
    all.select(QTextCursor::Document);
    const QTextDocumentFragment content(all);

    to.clear();
    QTextCursor target(to.document());
    target.insertFragment(content);
    to.document()->clearUndoRedoStacks();

    // Same positions in the same text: the caret and selection carry over.
    QTextCursor caret(to.document());
    caret.setPosition(sourceCaret.anchor());
    caret.setPosition(sourceCaret.position(), QTextCursor::KeepAnchor);
    to.setTextCursor(caret);
    to.horizontalScrollBar()->setValue(from.horizontalScrollBar()->value());
    to.verticalScrollBar()->setValue(from.verticalScrollBar()->value());

    to.setFileFormat(from.fileFormat());
    to.setModified(modified);
}

void PageContent::clear(thtmlrichedit &editor)
{
    editor.clearAll();
    editor.document()->clearUndoRedoStacks();
    editor.setFileFormat(FileFormat());
}

} // namespace lumaro
