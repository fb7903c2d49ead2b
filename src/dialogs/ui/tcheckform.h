#pragma once

#include "checkboxtag.h"
#include "tagdialog.h"

class QCheckBox;
class QLineEdit;

namespace lumaro {

/// The "Checkbox" dialog: a prompt and one check box with its returned value.
class TCheckform : public TagDialog {
    Q_OBJECT
public:
    explicit TCheckform(QWidget *parent = nullptr);

    QString tagText() const { return m_tagText; }
    void setTagText(const QString &text) { m_tagText = text; }

    CheckboxTag value() const;
    void setValue(const CheckboxTag &tag);

    QLineEdit *nameEdit() const { return m_name; }
    QLineEdit *promptEdit() const { return m_prompt; }
    QLineEdit *valueEdit() const { return m_value; }
    QCheckBox *checkedBox() const { return m_checked; }

    void accept() override;

protected:
    void FormActivate() override;
    QWidget *firstInput() const override;

private:
    QString m_tagText;
    QLineEdit *m_name;
    QLineEdit *m_prompt;
    QLineEdit *m_value;
    QCheckBox *m_checked;
};

} // namespace lumaro
