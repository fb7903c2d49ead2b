#pragma once

// A bounded wait that keeps the event loop running. The browser engine's
// side of the live preview runs on this loop; QTest::qWaitFor sleeps 10 ms
// between rounds, which makes every page load take a second or more.
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include <functional>

namespace lumaro::test {

/// Runs the event loop until done() holds or timeoutMs passed; done()'s
/// last answer.
inline bool waitUntil(const std::function<bool()> &done, int timeoutMs)
{
    if (done())
        return true;
    const QDeadlineTimer deadline(timeoutMs);
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || deadline.hasExpired())
            loop.quit();
    });
    poll.start(1);
    loop.exec();
    return done();
}

} // namespace lumaro::test
