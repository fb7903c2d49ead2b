#pragma once

#include "bordercolors.h"
#include "tagalignment.h"

#include <QString>

namespace lumaro {

/// The fields of the table row dialog: one TR start tag.
struct TableRowTag {
    HAlign align = HAlign::Left;
    VAlign valign = VAlign::Center;   ///< Center writes no VALIGN
    BorderColors colors;
    /// Set when the tag text began with "<TR": OK then writes the start tag only.
    bool editExisting = false;

    /// Resets to the defaults and reads a selected "<TR" start tag.
    void decode(const QString &tagText);
    QString build() const;
};

} // namespace lumaro
