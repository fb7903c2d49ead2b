#pragma once

#include <QDialog>

class QDialogButtonBox;
class QPushButton;

namespace lumaro {

/// Common frame of the tag dialogs: the OK (default), Cancel and Help
/// buttons, the Help button opening the dialog's help context, and the
/// activation step that resets the controls and reads the selection each time
/// the dialog is shown.
class TagDialog : public QDialog {
    Q_OBJECT
public:
    explicit TagDialog(QWidget *parent = nullptr, int helpContext = 0);

    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }
    QPushButton *helpButton() const { return m_help; }
    int helpContext() const { return m_helpContext; }

protected:
    /// The OK / Cancel / Help row, to be placed in the dialog's layout.
    QDialogButtonBox *buttonBox() const { return m_buttons; }
    /// Called each time the dialog is shown: reset the controls to their
    /// defaults and decode the tag text.
    virtual void FormActivate() {}
    /// The control that gets the focus when the dialog is shown.
    virtual QWidget *firstInput() const { return nullptr; }

    /// Sets the tab order along widgets, followed by OK, Cancel and Help.
    void setTabChain(const QList<QWidget *> &widgets);

    void showEvent(QShowEvent *event) override;

private:
    QDialogButtonBox *m_buttons;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QPushButton *m_help;
    int m_helpContext;
};

} // namespace lumaro
