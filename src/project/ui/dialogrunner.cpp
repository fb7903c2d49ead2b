#include "dialogrunner.h"

#include <QDialog>

namespace lumaro {

namespace {
DialogRunner::Runner &current()
{
    static DialogRunner::Runner runner;
    return runner;
}
} // namespace

int DialogRunner::run(QDialog &dialog)
{
    if (current())
        return current()(dialog);
    return dialog.exec();
}

void DialogRunner::set(Runner runner)
{
    current() = std::move(runner);
}

} // namespace lumaro
