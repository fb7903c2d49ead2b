#include "convsave.h"

#include "specialcharsedit.h"
#include "thtmlrichedit.h"
#include "tregini.h"

#include <QTextDocument>

namespace lumaro {

namespace {

// Marks a page whose text was converted for its save, so the conversion
// back joins that undo step rather than the user's last edit.
const char kConvertedForSave[] = "lumaroConvertedForSave";

} // namespace

bool convsaveBeforeSave(thtmlrichedit &editor, QString *error)
{
    editor.setProperty(kConvertedForSave, false);
    if (!tregini().readconvsave())
        return true;
    const std::optional<SpecialChars> table = SpecialCharsEdit::loadTable(error);
    if (!table)
        return false;
    const int changed = SpecialCharsEdit::chartiltags(editor, *table);
    editor.setProperty(kConvertedForSave, changed > 0);
    return true;
}

bool convsaveAfterSave(thtmlrichedit &editor, bool saved, QString *error)
{
    const bool joinPrevious = editor.property(kConvertedForSave).toBool();
    editor.setProperty(kConvertedForSave, false);
    bool ok = true;
    if (tregini().readconvsave()) {
        const std::optional<SpecialChars> table = SpecialCharsEdit::loadTable(error);
        if (table)
            SpecialCharsEdit::tagstilchar(editor, *table, joinPrevious);
        else
            ok = false;
    }
    if (saved)
        editor.setModified(false);
    return ok;
}

bool convsaveAfterLoad(thtmlrichedit &editor, QString *error)
{
    if (!tregini().readconvsave())
        return true;
    const std::optional<SpecialChars> table = SpecialCharsEdit::loadTable(error);
    if (!table)
        return false;
    if (SpecialCharsEdit::tagstilchar(editor, *table) > 0)
        editor.document()->clearUndoRedoStacks();
    editor.setModified(false);
    return true;
}

} // namespace lumaro
