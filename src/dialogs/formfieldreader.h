#pragma once

#include <QString>

namespace lumaro {

/// Reads the parts that the form field dialogs share: the prompt text
/// ("Guidetext") written in front of a field, and attribute numbers that
/// fall back to the dialog's default when the attribute is absent.
class FormFieldReader {
public:
    /// The text before the first "<"; empty when there is none or no "<".
    static QString prompt(const QString &text);
    /// The text from the first "<" on (the whole text when there is no "<"),
    /// so that attributes are never looked for inside the prompt.
    static QString tag(const QString &text);
    /// The leading digits of the attribute's value (empty when it has none),
    /// or fallback when the attribute is absent.
    static QString number(const QString &text, const QString &name, const QString &fallback);
};

} // namespace lumaro
