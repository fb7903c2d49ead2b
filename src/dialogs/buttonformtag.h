#pragma once

#include <QString>

namespace lumaro {

/// The fields of the form button dialog: a submit or a reset button.
struct ButtonFormTag {
    enum class Type { Submit, Reset };

    Type type = Type::Submit;

    /// "Reset" when the text names RESET, otherwise "Submit".
    void decode(const QString &tagText);
    QString build() const;

    bool operator==(const ButtonFormTag &) const = default;
};

} // namespace lumaro
