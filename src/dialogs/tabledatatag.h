#pragma once

#include "bordercolors.h"
#include "tagalignment.h"

#include <QString>

namespace lumaro {

/// The fields of the table data dialog: one whole TD element. The cell
/// dialog always writes start tag, content and end tag.
struct TableDataTag {
    HAlign align = HAlign::Left;      ///< Left writes no ALIGN
    VAlign valign = VAlign::Center;   ///< Center writes no VALIGN
    QString width = QStringLiteral("0");    ///< exactly "0" writes no WIDTH
    QString colspan = QStringLiteral("0");  ///< exactly "0" writes no COLSPAN
    QString rowspan = QStringLiteral("0");  ///< exactly "0" writes no ROWSPAN
    BorderColors colors;
    QString content;

    /// Resets to the defaults and reads a selected "<TD" element; the content
    /// is read only up to the first "<" after the start tag.
    void decode(const QString &tagText);
    QString build() const;
};

} // namespace lumaro
