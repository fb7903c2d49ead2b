#pragma once

#include "tagalignment.h"

#include <QString>

namespace lumaro {

/// The fields of the table caption dialog: one whole CAPTION element,
/// followed by a line break.
struct TableCaptionTag {
    HAlign align = HAlign::Left;
    VAlign valign = VAlign::Top;      ///< Top or Bottom; always written
    QString content;

    /// Resets to the defaults and reads a selected "<CAPTION" element.
    void decode(const QString &tagText);
    QString build() const;
};

} // namespace lumaro
