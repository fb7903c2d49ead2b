#pragma once

// A link builder stand-in for tests: answers come from a queue, every
// request's mode is recorded, and the picker is installed while it lives.
#include "urlpicker.h"

#include <QList>
#include <QQueue>

namespace lumaro::test {

class ScriptedPicker : public UrlPicker {
public:
    ScriptedPicker() { setUrlPicker(this); }
    ~ScriptedPicker() override
    {
        if (urlPicker() == this)
            setUrlPicker(nullptr);
    }

    /// nullopt answers "cancelled"; an empty queue cancels too.
    QQueue<std::optional<PickedUrl>> answers;
    QList<PickerMode> modes;

    std::optional<PickedUrl> pick(QWidget *, PickerMode mode) override
    {
        modes << mode;
        return answers.isEmpty() ? std::nullopt : answers.dequeue();
    }
};

} // namespace lumaro::test
