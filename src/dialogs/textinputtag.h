#pragma once

#include <QString>

namespace lumaro {

/// The fields of the text input and password dialogs: a prompt followed by
/// one INPUT tag of type TEXT or PASSWORD.
struct TextInputTag {
    enum class Type { Text, Password };

    Type type = Type::Text;
    QString name;
    QString prompt;                            ///< "Guidetext", written in front of the tag
    QString size = QStringLiteral("40");
    QString maxLength = QStringLiteral("0");   ///< exactly "0" writes no MAXLENGTH

    /// Resets every field but the type to its default and reads a selected
    /// field: the prompt before its "<INPUT", NAME, SIZE and MAXLENGTH.
    void decode(const QString &tagText);
    /// The prompt, then the INPUT tag when the name is not empty.
    QString build() const;
};

} // namespace lumaro
