#include "shortcutdialognames.h"

namespace lumaro {

const QList<ShortcutDialogName> &ShortcutDialogNames::all()
{
    static const QList<ShortcutDialogName> names{
        {QStringLiteral("\"body\""), QStringLiteral("SpeedButton1"), QStringLiteral("Body")},
        {QStringLiteral("\"anchor\""), QStringLiteral("SpeedButton3"), QStringLiteral("Anchor")},
        {QStringLiteral("\"jumpto\""), QStringLiteral("SpeedButton4"), QStringLiteral("Jump to...")},
        {QStringLiteral("\"jumptohere\""), QStringLiteral("SpeedButton5"), QStringLiteral("Jump to here")},
        {QStringLiteral("\"image\""), QStringLiteral("SpeedButton8"), QStringLiteral("Image")},
        {QStringLiteral("\"marque\""), QStringLiteral("SpeedButton70"), QStringLiteral("Marque")},
        {QStringLiteral("\"horbreak\""), QStringLiteral("SpeedButton71"), QStringLiteral("Horizontal break")},
        {QStringLiteral("\"tablebuilder\""), QStringLiteral("SpeedButton6"), QStringLiteral("Table-builder")},
        {QStringLiteral("\"table\""), QStringLiteral("SpeedButton73"), QStringLiteral("Table")},
        {QStringLiteral("\"tablecaption\""), QStringLiteral("SpeedButton76"), QStringLiteral("Table Caption")},
        {QStringLiteral("\"tablerow\""), QStringLiteral("SpeedButton74"), QStringLiteral("Table Row")},
        {QStringLiteral("\"tabledata\""), QStringLiteral("SpeedButton75"), QStringLiteral("Table Data")},
        {QStringLiteral("\"listbuilder\""), QStringLiteral("SpeedButton7"), QStringLiteral("List-builder")},
    };
    return names;
}

const ShortcutDialogName *ShortcutDialogNames::find(const QString &tag)
{
    for (const ShortcutDialogName &entry : all())
        if (entry.name == tag)
            return &entry;
    return nullptr;
}

} // namespace lumaro
