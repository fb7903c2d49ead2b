#pragma once

#include "radiogrouptag.h"
#include "tagdialog.h"

class QLineEdit;
class QSpinBox;
class QTableWidget;

namespace lumaro {

/// The "Radiobutton" dialog: a group of radio buttons sharing one name,
/// one grid row (prompt, returned value) per button.
class Tradioform : public TagDialog {
    Q_OBJECT
public:
    explicit Tradioform(QWidget *parent = nullptr);

    QString tagText() const { return m_tagText; }
    void setTagText(const QString &text) { m_tagText = text; }

    RadioGroupTag value() const;
    void setValue(const RadioGroupTag &tag);

    QLineEdit *nameEdit() const { return m_name; }
    QSpinBox *numberBox() const { return m_number; }
    QSpinBox *selectedBox() const { return m_selected; }
    QTableWidget *grid() const { return m_grid; }

    void accept() override;

protected:
    void FormActivate() override;
    QWidget *firstInput() const override;

private:
    /// The number box changed: the grid gets exactly that many button rows,
    /// keeping the rows it had.
    void Edit2Change(int number);

    QString m_tagText;
    QLineEdit *m_name;
    QSpinBox *m_number;
    QSpinBox *m_selected;
    QTableWidget *m_grid;
};

} // namespace lumaro
