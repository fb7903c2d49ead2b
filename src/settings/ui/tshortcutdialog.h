#pragma once

#include "shortcutfile.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace lumaro {

class HotKeyEdit;
class ShortcutList;

/// The new-shortcut dialog: a key combination (Ctrl or Alt required), the
/// tag or dialog name it runs, and whether the ending tag is written too.
/// "Select" picks a dialog name with Tscpick.
///
/// In new mode the fields are cleared once when the dialog opens (not again
/// when the picker closes); in edit mode they show the shortcut handed in.
class Tshortcutdialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 1420;

    explicit Tshortcutdialog(QWidget *parent = nullptr);

    /// Whether the dialog edits an existing shortcut (else it makes a new one).
    void setEditExisting(bool on) { m_editExisting = on; }
    bool editExisting() const { return m_editExisting; }
    /// The shortcuts the key must not collide with; except is the row being
    /// edited (its own key is free), -1 for a new one.
    void setList(const ShortcutList *list, qsizetype except = -1);

    /// Key, tag and ending-tag flag (the number is not the dialog's).
    void setValue(const ShortcutRecord &record);
    ShortcutRecord value() const;

    // Event handlers.
    void OkClick();
    void SelectClick();

    HotKeyEdit *keyEdit() const { return m_key; }
    QLineEdit *tagEdit() const { return m_tag; }
    QCheckBox *endingCheck() const { return m_ending; }
    QPushButton *selectButton() const { return m_select; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }
    QPushButton *helpButton() const { return m_help; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    HotKeyEdit *m_key;
    QLineEdit *m_tag;
    QCheckBox *m_ending;
    QPushButton *m_select;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QPushButton *m_help;
    const ShortcutList *m_list = nullptr;
    qsizetype m_except = -1;
    bool m_editExisting = false;
};

} // namespace lumaro
