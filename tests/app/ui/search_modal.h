#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>

namespace lumaro::test {

/// Drives the next modal dialog of type D while it lives: once the dialog
/// is shown inside its own event loop, runs the action on it. If the action
/// leaves the dialog open, it is rejected, so a test never hangs on a
/// forgotten answer. seen() tells whether the dialog came up at all.
template <class D>
class ModalDriver {
public:
    explicit ModalDriver(std::function<void(D *)> act)
        : m_seen(std::make_shared<bool>(false))
        , m_timer(new QTimer)
    {
        m_timer->setInterval(2);
        QTimer *timer = m_timer;
        auto seen = m_seen;
        QObject::connect(timer, &QTimer::timeout, timer, [timer, act, seen] {
            auto *dialog = qobject_cast<D *>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            timer->stop();
            *seen = true;
            act(dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        m_timer->start();
    }
    ~ModalDriver() { delete m_timer.data(); }
    ModalDriver(const ModalDriver &) = delete;
    ModalDriver &operator=(const ModalDriver &) = delete;

    bool seen() const { return *m_seen; }

private:
    std::shared_ptr<bool> m_seen;
    QPointer<QTimer> m_timer;
};

} // namespace lumaro::test
