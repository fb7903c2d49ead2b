#pragma once

#include "bordercolors.h"
#include "tagalignment.h"

#include <QString>

namespace lumaro {

/// The fields of the table dialog: one TABLE start tag.
struct TableTag {
    HAlign align = HAlign::Left;
    VAlign valign = VAlign::Center;   ///< Center writes no VALIGN
    bool border = true;               ///< the "Border ?" check box
    QString thickness = QStringLiteral("2");
    BorderColors colors;
    /// Set when the tag text began with "<TABLE": OK then writes the start tag only.
    bool editExisting = false;

    /// Resets to the defaults and reads a selected "<TABLE" start tag.
    void decode(const QString &tagText);
    /// The new start tag, or the whole new element when not editing.
    QString build() const;
};

} // namespace lumaro
