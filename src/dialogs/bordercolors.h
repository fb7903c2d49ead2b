#pragma once

#include <QString>

namespace lumaro {

class TagBuilder;

/// The four colours of the table, row and cell dialogs: background, border,
/// and the light/dark border pair.
///
/// A border colour excludes the light/dark pair: giving a non-empty border
/// colour empties light and dark, and giving a non-empty light or dark colour
/// empties the border colour. The setters keep that rule, so a model can never
/// hold both.
class BorderColors {
public:
    QString background() const { return m_background; }
    QString border() const { return m_border; }
    QString light() const { return m_light; }
    QString dark() const { return m_dark; }

    void setBackground(const QString &value) { m_background = value; }
    void setBorder(const QString &value);
    void setLight(const QString &value);
    void setDark(const QString &value);

    /// Reads BGCOLOR, BORDERCOLOR, BORDERCOLORLIGHT and BORDERCOLORDARK, in
    /// that order, through the setters (so a later light or dark value wins
    /// over an earlier border colour). Absent attributes keep their value.
    void decode(const QString &tagText);
    /// Appends the non-empty colours in the written order.
    void appendTo(TagBuilder &builder) const;

    bool operator==(const BorderColors &) const = default;

private:
    QString m_background;
    QString m_border;
    QString m_light;
    QString m_dark;
};

} // namespace lumaro
