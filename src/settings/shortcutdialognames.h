#pragma once

#include <QList>
#include <QString>

namespace lumaro {

/// The thirteen tag dialogs a shortcut can open instead of inserting a tag:
/// the name a shortcut stores (with its double quotes), the main window
/// command that runs the dialog (by component name) and the picker's hint.
struct ShortcutDialogName {
    QString name;      ///< "\"body\""
    QString component; ///< "SpeedButton1"
    QString hint;      ///< "Body"
};

class ShortcutDialogNames {
public:
    static const QList<ShortcutDialogName> &all();
    /// The entry of a stored tag, or nullptr when the tag is an ordinary tag.
    static const ShortcutDialogName *find(const QString &tag);
    /// The name the picker falls back to.
    static QString fallback() { return QStringLiteral("\"body\""); }
};

} // namespace lumaro
