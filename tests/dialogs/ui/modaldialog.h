#pragma once

// Drives a modal dialog that a command is about to open: the action runs
// inside the dialog's own event loop as soon as the dialog is showing.
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <functional>
#include <memory>

namespace lumaro::test {

/// Calls act(dialog) once a modal dialog of type D is showing. When none
/// shows within a few seconds, every modal dialog is rejected so a broken
/// test fails instead of hanging. Keep the object alive across the command;
/// ran() tells whether the dialog was seen.
template <class D> class WhenModal {
public:
    explicit WhenModal(std::function<void(D *)> act)
        : m_act(std::move(act))
    {
        m_clock.start();
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start(5);
    }

    bool ran() const { return m_ran; }

private:
    void poll()
    {
        if (auto *dialog = qobject_cast<D *>(QApplication::activeModalWidget()); dialog && dialog->isVisible()) {
            m_timer.stop();
            m_ran = true;
            m_act(dialog);
            return;
        }
        if (m_clock.elapsed() > 5000) {
            m_timer.stop();
            while (auto *open = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                open->reject();
        }
    }

    std::function<void(D *)> m_act;
    QTimer m_timer;
    QElapsedTimer m_clock;
    bool m_ran = false;
};

} // namespace lumaro::test
