#pragma once

#include "colorsettings.h"

#include <QTextCharFormat>
#include <array>

namespace lumaro {

/// The character formats the colouring paths give text, worked out once per
/// operation from one set of colouring settings.
class ColorFormats {
public:
    explicit ColorFormats(const ColorSettings &settings);

    /// Text of a loaded page: the page font and size, black.
    const QTextCharFormat &base() const { return m_base; }
    /// A tag group of a loaded page: the base format with the class colour
    /// (when usecolor is on) and the class attribute (when usefontattr is on).
    const QTextCharFormat &loadRun(TagClass tagClass) const { return m_loadRun[int(tagClass)]; }
    /// What a coloured range gets on the typing, insert and recolour paths,
    /// merged into its existing format: the class colour, and when
    /// usefontattr is on the class's style, which replaces the old style.
    const QTextCharFormat &mark(TagClass tagClass) const { return m_mark[int(tagClass)]; }
    /// The same with the colour of one class and the style of another: a
    /// tag's colour and style are classified apart ("</ADDRESS" takes its
    /// colour from "all" but its style from "anchor").
    QTextCharFormat mark(TagClass colourClass, TagClass styleClass) const
    {
        QTextCharFormat format = m_mark[int(styleClass)];
        format.setForeground(m_mark[int(colourClass)].foreground());
        return format;
    }

    /// Half-points clamped as the RTF reader clamps "\fs", so the page size
    /// matches the document's.
    static double pointSizeOf(int fontSize);

private:
    QTextCharFormat m_base;
    std::array<QTextCharFormat, kTagClassCount> m_loadRun;
    std::array<QTextCharFormat, kTagClassCount> m_mark;
};

} // namespace lumaro
