#pragma once

#include <QObject>

class QAbstractButton;
class QDialog;
class QPushButton;

namespace lumaro {

/// The keyboard rules every dialog shares:
/// - Ctrl+Enter accepts from any control, a grid, a cell editor or a
///   multi-line box included (the focus first moves to OK, so an open cell
///   editor hands its text over);
/// - a group of radio buttons is one tab stop, taken on its checked button
///   (arrows move inside the group), whatever checked it.
class DialogKeys : public QObject {
    Q_OBJECT
public:
    /// Installs the rules on dialog; ok is its accepting button.
    static void install(QDialog *dialog, QPushButton *ok);

    /// Makes the checked button of button's group its one tab stop.
    static void fixTabStop(QAbstractButton *button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    DialogKeys(QDialog *dialog, QPushButton *ok);
    void watchRadioButtons();

    QDialog *m_dialog;
    QPushButton *m_ok;
};

} // namespace lumaro
