#pragma once

#include <functional>

class QDialog;

namespace lumaro {

/// Shows the project dialogs modally. Tests replace the runner to drive a
/// dialog (click its buttons, fill its lists) and return a result instead of
/// entering a modal loop.
class DialogRunner {
public:
    using Runner = std::function<int(QDialog &)>;
    /// Runs the dialog: QDialog::exec(), or the test runner when one is set.
    static int run(QDialog &dialog);
    /// Sets the runner (an empty function restores exec()).
    static void set(Runner runner);
};

} // namespace lumaro
