#include "processidentity.h"

#include <QCoreApplication>
#include <QFile>

namespace lumaro {

namespace {

// Field 22 of /proc/<pid>/stat, the start time. The command name (field 2)
// is in parentheses and may itself hold blanks and parentheses, so fields
// are counted from the last ")". A process that has ended but was not yet
// reaped by its parent (state Z, zombie, or X, dead) runs no more: it
// gives 0 as a process that is gone does.
quint64 startTicksOf(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray line = stat.read(4096);
    const int close = line.lastIndexOf(')');
    if (close < 0)
        return 0;
    const QList<QByteArray> fields = line.mid(close + 1).simplified().split(' ');
    // After ")" come field 3 (state) onwards: field 22 is index 19.
    if (fields.size() < 20)
        return 0;
    const QByteArray state = fields.at(0);
    if (state == "Z" || state == "X" || state == "x")
        return 0;
    bool ok = false;
    const quint64 ticks = fields.at(19).toULongLong(&ok);
    return ok ? ticks : 0;
}

QString currentBootId()
{
    QFile file(QStringLiteral("/proc/sys/kernel/random/boot_id"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.read(64).trimmed());
}

} // namespace

ProcessIdentity ProcessIdentity::current()
{
    return of(QCoreApplication::applicationPid());
}

ProcessIdentity ProcessIdentity::of(qint64 pid)
{
    ProcessIdentity process;
    process.pid = pid;
    process.startTicks = startTicksOf(pid);
    process.bootId = currentBootId();
    return process;
}

bool ProcessIdentity::isRunning() const
{
    const ProcessIdentity self = current();
    if (pid == self.pid && startTicks == self.startTicks && bootId == self.bootId)
        return true;
    if (self.startTicks == 0)
        return false; // no /proc: only this process can be told to be running
    if (pid <= 0 || bootId != self.bootId)
        return false;
    const quint64 ticks = startTicksOf(pid);
    return ticks != 0 && ticks == startTicks;
}

} // namespace lumaro
