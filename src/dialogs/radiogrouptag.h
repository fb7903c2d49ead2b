#pragma once

#include <QList>
#include <QString>

namespace lumaro {

/// The fields of the radio button dialog: a group of INPUT tags of type
/// RADIO sharing one name, each with its own prompt and value, written back
/// to back.
struct RadioGroupTag {
    struct Button {
        QString prompt;   ///< "Guidetext", written in front of the button
        QString value;    ///< "Returned value"
        bool operator==(const Button &) const = default;
    };

    /// The number box's limits; a decoded group may hold more buttons.
    static constexpr int MinButtons = 2;
    static constexpr int MaxButtons = 20;

    QString name;
    /// The button (1-based) written with CHECKED; 0 or a number past the
    /// last button selects none.
    int selected = 1;
    QList<Button> buttons = QList<Button>(MinButtons);

    /// Resets to the defaults and reads a selected group: one button per
    /// "<INPUT" tag, its prompt being the text in front of it. The name is
    /// the first button's NAME; the selected number is the first button
    /// marked CHECKED or SELECTED, or 0 when none is. At least two buttons result.
    void decode(const QString &tagText);
    /// The buttons in order, back to back; nothing when the name is empty.
    QString build() const;
};

} // namespace lumaro
