#include "specialcharsedit.h"

#include "installdir.h"
#include "thtmlrichedit.h"
#include "waitcursor.h"

#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>

namespace lumaro {

namespace {

// Applies the passes of a conversion to the editor's document, keeping each
// replaced character's format, in one edit block.
int applyPlan(thtmlrichedit &editor, const SpecialChars::Plan &plan, bool joinPrevious)
{
    int count = 0;
    for (const auto &pass : plan)
        count += int(pass.size());
    if (count == 0)
        return 0;

    std::optional<WaitCursor> busy;
    if (count > 1000)
        busy.emplace(Qt::BusyCursor);
    const int caret = editor.selStart();
    const int hScroll = editor.horizontalScrollBar()->value();
    const int vScroll = editor.verticalScrollBar()->value();

    QTextCursor cursor(editor.document());
    if (joinPrevious)
        cursor.joinPreviousEditBlock();
    else
        cursor.beginEditBlock();
    for (const auto &pass : plan) {
        // Back to front, so the positions of the pass stay valid.
        for (auto it = pass.crbegin(); it != pass.crend(); ++it) {
            const int at = int(it->position);
            // Just after the first replaced character the cursor reports
            // that character's format.
            cursor.setPosition(at + 1);
            const QTextCharFormat format = cursor.charFormat();
            cursor.setPosition(at);
            cursor.setPosition(at + int(it->length), QTextCursor::KeepAnchor);
            cursor.insertText(it->text, format);
        }
    }
    cursor.endEditBlock();

    editor.setCaretPosition(caret);
    editor.horizontalScrollBar()->setValue(hScroll);
    editor.verticalScrollBar()->setValue(vScroll);
    if (editor.isVisible())
        editor.setFocus();
    return count;
}

QString documentText(const thtmlrichedit &editor)
{
    // One position per character and one per line break, as the document
    // counts them.
    return editor.textRange(0, editor.textLength());
}

} // namespace

std::optional<SpecialChars> SpecialCharsEdit::loadTable(QString *error)
{
    return SpecialChars::lavarray(InstallDir::file(QStringLiteral("spectags.dat")), error);
}

bool SpecialCharsEdit::chartiltags(thtmlrichedit &editor, QString *error)
{
    const std::optional<SpecialChars> table = loadTable(error);
    if (!table)
        return false;
    chartiltags(editor, *table);
    return true;
}

bool SpecialCharsEdit::tagstilchar(thtmlrichedit &editor, QString *error)
{
    const std::optional<SpecialChars> table = loadTable(error);
    if (!table)
        return false;
    tagstilchar(editor, *table);
    return true;
}

int SpecialCharsEdit::chartiltags(thtmlrichedit &editor, const SpecialChars &table, bool joinPrevious)
{
    return applyPlan(editor, table.chartiltagsPlan(documentText(editor)), joinPrevious);
}

int SpecialCharsEdit::tagstilchar(thtmlrichedit &editor, const SpecialChars &table, bool joinPrevious)
{
    return applyPlan(editor, table.tagstilcharPlan(documentText(editor)), joinPrevious);
}

void SpecialCharsEdit::insertEntity(thtmlrichedit &editor, const QString &entity)
{
    editor.replaceSel(entity);
    if (editor.isVisible())
        editor.setFocus();
}

} // namespace lumaro
