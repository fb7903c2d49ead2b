#pragma once

// Bounded waits for the live preview's engine, which renders in its own
// process: every wait gives up after a generous timeout instead of hanging.
#include "eventwait.h"
#include "livepreviewpanel.h"
#include "previewengine.h"

#include <QVariant>

namespace lumaro::test {

constexpr int kEngineTimeoutMs = 30000;

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
