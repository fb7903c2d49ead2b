#pragma once

#include "processidentity.h"
#include "recoveryfile.h"

#include <QList>
#include <QString>

namespace lumaro {

/// One file of the recovery folder that the start-up offer shows: a copy
/// left by a process that is no longer running, or a file that cannot be
/// used (then ok is false and error says why).
struct RecoveryEntry {
    QString path;
    qint64 size = 0;          ///< bytes of the file
    bool ok = false;
    RecoveryRecord record;
    QString error;
    /// A page with a file: its file is not as it was when the copy was written.
    bool diskChanged = false;
};

/// The recovery folder and the files one process keeps in it: a copy of
/// each modified page, named "<pid>-<start>-<slot>.recovery" from numbers
/// only, so no page name can lead a write out of the folder. The folder is
/// $XDG_STATE_HOME/lumaro/recovery (~/.local/state/lumaro/recovery when the
/// variable is unset), made readable by its owner only.
class RecoveryJournal {
public:
    explicit RecoveryJournal(QString folder = defaultFolder(), ProcessIdentity self = ProcessIdentity::current());

    static QString defaultFolder();
    QString folder() const { return m_folder; }
    const ProcessIdentity &self() const { return m_self; }

    /// The file of this process for a page slot.
    QString fileName(int slot) const;
    /// Writes the copy of a slot through QSaveFile (a link standing at the
    /// file's name is removed first, never followed). False and the reason
    /// on failure; the previous copy is then untouched.
    bool write(int slot, const RecoveryRecord &record, QString *error = nullptr) const;
    /// Removes the copy of a slot.
    void remove(int slot) const;
    /// Removes every copy this process wrote: what a normal exit does.
    void removeAll() const;

    /// The files of the folder that are not this process's and not of
    /// another running process: copies of processes that ended without
    /// removing them, and files that cannot be read (with the reason).
    /// Oldest first.
    QList<RecoveryEntry> scan() const;
    /// Reads one file of the folder (links and oversized files are refused).
    static RecoveryEntry read(const QString &path);

private:
    QString ownPrefix() const;
    bool ensureFolder(QString *error) const;

    QString m_folder;
    ProcessIdentity m_self;
};

} // namespace lumaro
