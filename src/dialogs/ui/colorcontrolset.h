#pragma once

#include <QList>
#include <QWidget>

class QLineEdit;
class QToolButton;

namespace lumaro {

class ColorCombo;

/// One colour of a tag dialog: the named-colour combo, the edit box whose
/// text is written into the tag (empty: the attribute is left out), and the
/// "ColorDialog" button.
///
/// The edit box is the source of truth. Picking item i of the combo writes
/// the value of named colour i into it; the colour button writes the chosen
/// colour as "#RRGGBB" in upper case. Whatever the edit holds, the combo shows
/// the named colour with exactly that value, or no item.
class ColorControlSet : public QWidget {
    Q_OBJECT
public:
    explicit ColorControlSet(QWidget *parent = nullptr);

    QString value() const;
    void setValue(const QString &value);
    void clear() { setValue(QString()); }

    ColorCombo *combo() const { return m_combo; }
    QLineEdit *edit() const { return m_edit; }
    QToolButton *colorButton() const { return m_button; }
    /// Combo, edit box and button, for a dialog's tab order.
    QList<QWidget *> tabWidgets() const;

    /// Runs the colour dialog as the button does; true when a colour was chosen.
    bool runColorDialog();

signals:
    /// The edit box's text changed, by typing, combo pick, colour button or code.
    void valueChanged(const QString &value);
    /// The colour dialog of the button closed, whether or not a colour was chosen.
    void colorDialogClosed();

private:
    void syncCombo();

    ColorCombo *m_combo;
    QLineEdit *m_edit;
    QToolButton *m_button;
};

} // namespace lumaro
