#pragma once

#include "recoveryjournal.h"

#include <QObject>
#include <array>

class QTimer;

namespace lumaro {

class TMainwindow;

/// Keeps a recovery copy of every modified page, untitled or not, and offers
/// the copies of a program that stopped without closing at the next start.
///
/// A change to a page starts a single-shot timer (about 2 s, never restarted
/// by further keys, so a long burst of typing is still copied every 2 s);
/// when it fires, each page changed since its last copy is written again and
/// the copies of pages that are no longer modified (saved, or closed without
/// saving) are removed. A page that stops being modified is settled as soon
/// as the command that saved or closed it has finished.
/// Every copy of this process goes when the controller ends with the window,
/// which happens only on a normal exit. A failure to write is shown once in
/// the status bar until a write works again.
class RecoveryController : public QObject {
    Q_OBJECT
public:
    static constexpr int kDelayMs = 2000;

    RecoveryController(TMainwindow &window, QObject *parent = nullptr);
    RecoveryController(TMainwindow &window, const RecoveryJournal &journal, QObject *parent = nullptr);
    ~RecoveryController() override;

    const RecoveryJournal &journal() const { return m_journal; }
    QTimer *timer() const { return m_timer; }

    /// Writes and removes copies now, as the timer does.
    void sync();
    /// The start-up offer: when copies of stopped processes (or unusable
    /// files) are in the folder, the recovery dialog asks what to do.
    void offer();

private:
    void connectEditors();
    void pageChanged(int slot);
    bool writeSlot(int slot);
    void recover(const RecoveryRecord &record);
    void typeTestInput();

    TMainwindow &m_window;
    RecoveryJournal m_journal;
    QTimer *m_timer;
    std::array<bool, 15> m_dirty{};
    /// What the copy of each slot was written for (name and format); empty
    /// when the slot has no copy.
    std::array<QString, 15> m_written;
    bool m_failureShown = false;
    bool m_settlePending = false;
};

} // namespace lumaro
