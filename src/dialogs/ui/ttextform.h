#pragma once

#include "tagdialog.h"
#include "textinputtag.h"

class QLineEdit;

namespace lumaro {

class UpDownEdit;

/// The "Text input" dialog: a prompt and a one-line text field. The
/// password dialog is the same dialog writing TYPE=PASSWORD.
class TTextform : public TagDialog {
    Q_OBJECT
public:
    explicit TTextform(QWidget *parent = nullptr);

    QString tagText() const { return m_tagText; }
    void setTagText(const QString &text) { m_tagText = text; }

    TextInputTag value() const;
    void setValue(const TextInputTag &tag);

    QLineEdit *nameEdit() const { return m_name; }
    QLineEdit *promptEdit() const { return m_prompt; }
    UpDownEdit *sizeEdit() const { return m_size; }
    UpDownEdit *maxLengthEdit() const { return m_maxLength; }

    void accept() override;

protected:
    TTextform(QWidget *parent, TextInputTag::Type type, const QString &caption, int helpContext);
    void FormActivate() override;
    QWidget *firstInput() const override;

private:
    TextInputTag::Type m_type;
    QString m_tagText;
    QLineEdit *m_name;
    QLineEdit *m_prompt;
    UpDownEdit *m_size;
    UpDownEdit *m_maxLength;
};

} // namespace lumaro
