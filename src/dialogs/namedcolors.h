#pragma once

#include <QColor>
#include <QString>

namespace lumaro {

/// The 16 named colours offered by the colour combos of the tag dialogs, in
/// the order the combos list them. Values are written into tags as "#" and six
/// upper-case hexadecimal digits.
///
/// This table belongs to the tag dialogs; the colouring engine has its own
/// colour table in a different order.
class NamedColors {
public:
    static constexpr int Count = 16;

    /// Name shown in the combo ("Black" ... "White"); empty outside 0..15.
    static QString name(int index);
    /// Name of the swatch bitmap ("clblack" ... "clwhite"); empty outside 0..15.
    static QString swatchName(int index);
    /// Value written into a tag ("#000000" ... "#FFFFFF"); empty outside 0..15.
    static QString value(int index);
    /// The colour itself; invalid outside 0..15.
    static QColor color(int index);

    /// Index 0..15 of the entry whose value equals text exactly (case-sensitive,
    /// "#" included), or -1.
    static int lookup(const QString &text);

    /// "#RRGGBB" with upper-case hexadecimal digits, as the colour button writes it.
    static QString hexText(const QColor &color);
};

} // namespace lumaro
