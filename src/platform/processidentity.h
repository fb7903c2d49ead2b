#pragma once

#include <QString>

namespace lumaro {

/// Who a running process is, in a form that outlives a reused process id:
/// the id itself, the moment the process started (clock ticks since boot,
/// from /proc/<pid>/stat) and the boot it ran in (the kernel's boot id). A
/// process id that a later process took over, or one from before a restart
/// of the machine, does not match.
struct ProcessIdentity {
    qint64 pid = 0;
    quint64 startTicks = 0;
    QString bootId;

    /// This process.
    static ProcessIdentity current();
    /// The running process with this id (start 0 when there is none).
    static ProcessIdentity of(qint64 pid);
    /// True when the process this identity names is running now. On systems
    /// without /proc only the process id is compared, and any other process
    /// counts as not running.
    bool isRunning() const;

    friend bool operator==(const ProcessIdentity &, const ProcessIdentity &) = default;
};

} // namespace lumaro
