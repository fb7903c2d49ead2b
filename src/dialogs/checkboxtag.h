#pragma once

#include <QString>

namespace lumaro {

/// The fields of the check box dialog: a prompt followed by one INPUT tag
/// of type CHECKBOX.
struct CheckboxTag {
    QString name;
    QString prompt;   ///< "Guidetext", written in front of the tag
    QString value;    ///< "Returned value"
    bool checked = false;

    /// Resets to the defaults and reads a selected check box: the prompt
    /// before its "<INPUT", NAME, VALUE and the CHECKED flag (alone or with a value).
    void decode(const QString &tagText);
    /// Prompt and tag when the name is not empty, otherwise nothing at all.
    QString build() const;
};

} // namespace lumaro
