#pragma once

#include "recoveryjournal.h"

#include <QDialog>
#include <QList>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace lumaro {

/// The start-up offer of recovery copies: one row per page (page name, time
/// of the copy, size, whether its file on disk changed since), each with a
/// check box, and one line per file that cannot be used. "Recover" opens the
/// checked pages, "Discard" removes every listed file, "Later" (also Escape
/// and closing the window) keeps them for the next start.
class Trecoverydialog : public QDialog {
    Q_OBJECT
public:
    enum class Choice { Recover, Discard, Later };
    /// The help topic of the dialog.
    static constexpr int kHelpContext = 5100;

    explicit Trecoverydialog(const QList<RecoveryEntry> &entries, QWidget *parent = nullptr);

    Choice choice() const { return m_choice; }
    /// The indexes (into the entries given) of the checked usable copies.
    QList<int> chosen() const;
    /// Checks or unchecks the row of an entry.
    void setChosen(int index, bool on);
    /// The lines that name the files that cannot be used.
    QStringList skippedLines() const;

    QTreeWidget *list() const { return m_list; }
    QPushButton *recoverButton() const { return m_recover; }
    QPushButton *discardButton() const { return m_discard; }
    QPushButton *laterButton() const { return m_later; }

    /// The texts of a row: page, time, size, file on disk.
    static QStringList rowTexts(const RecoveryEntry &entry);

private:
    void finish(Choice choice);

    QList<RecoveryEntry> m_entries;
    QTreeWidget *m_list;
    QLabel *m_skipped;
    QPushButton *m_recover;
    QPushButton *m_discard;
    QPushButton *m_later;
    Choice m_choice = Choice::Later;
};

} // namespace lumaro
