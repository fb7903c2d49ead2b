#pragma once

#include <QDialog>

class QAbstractButton;
class QButtonGroup;
class QPushButton;

namespace lumaro {

/// The shortcut picker: one button per tag dialog a shortcut can open, only
/// one of them down. Shown with the tag edit's text, it presses the button
/// of that name, or the body button when the text names no dialog.
class Tscpick : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 1460;

    explicit Tscpick(QWidget *parent = nullptr);

    /// The tag edit's text, handed over before the picker is shown.
    void setTagText(const QString &text) { m_given = text; }
    /// The dialog name of the button that is down ("\"body\"").
    QString chosen() const { return m_chosen; }

    /// The button of a dialog name, nullptr when there is none.
    QAbstractButton *button(const QString &name) const;
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }
    QPushButton *helpButton() const { return m_help; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QButtonGroup *m_group;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QPushButton *m_help;
    QString m_given;
    QString m_chosen;
};

} // namespace lumaro
