#pragma once

// Bounded waits for the live preview's engine, which renders in its own
// process: every wait gives up after a generous timeout instead of hanging.
#include "livepreviewpanel.h"
#include "previewengine.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <QVariant>

#include <functional>

namespace lumaro::test {

constexpr int kEngineTimeoutMs = 30000;

/// Runs the event loop until done() holds or the timeout passed. The
/// engine's browser side runs on this loop; QTest::qWaitFor sleeps 10 ms
/// between rounds, which makes every load take a second or more.
inline bool waitUntil(const std::function<bool()> &done, int timeoutMs = kEngineTimeoutMs)
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

/// Waits until the panel finished more than `after` renderings.
inline bool waitForLoad(LivePreviewPanel *panel, int after)
{
    return waitUntil([&] { return panel->loadCount() > after; }, kEngineTimeoutMs);
}

/// The value of a script run in the rendered page; invalid on timeout.
inline QVariant evaluate(LivePreviewPanel *panel, const QString &script)
{
    QVariant value;
    bool done = false;
    panel->surface()->runScript(script, [&](const QVariant &result) {
        value = result;
        done = true;
    });
    waitUntil([&] { return done; }, kEngineTimeoutMs);
    return value;
}

/// Waits until a script's value turns the expected one; the last value.
inline QVariant evaluateUntil(LivePreviewPanel *panel, const QString &script, const QVariant &expected)
{
    QVariant value;
    waitUntil(
        [&] {
            value = evaluate(panel, script);
            return value == expected;
        },
        kEngineTimeoutMs);
    return value;
}

} // namespace lumaro::test
