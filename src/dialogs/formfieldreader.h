#pragma once

#include <QString>

namespace lumaro {

/// Reads the parts that the form field dialogs share: the prompt text
/// ("Guidetext") written in front of a field, and attribute numbers that
/// fall back to the dialog's default when the attribute is absent.
class FormFieldReader {
public:
    /// The text before the field's start tag (field is "<INPUT",
    /// "<TEXTAREA", ...), so a prompt may hold markup of its own; without
    /// that tag, the text before the first "<". Empty when nothing precedes.
    static QString prompt(const QString &text, const QString &field);
    /// The text from the field's start tag on (from the first "<" without
    /// one; the whole text when there is no "<"), so that attributes are
    /// never looked for inside the prompt.
    static QString tag(const QString &text, const QString &field);
    /// The leading digits of the attribute's value (empty when it has none),
    /// or fallback when the attribute is absent.
    static QString number(const QString &text, const QString &name, const QString &fallback);

private:
    static qsizetype fieldStart(const QString &text, const QString &field);
};

} // namespace lumaro
