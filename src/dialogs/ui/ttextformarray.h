#pragma once

#include "tagdialog.h"
#include "textareatag.h"

class QLineEdit;

namespace lumaro {

class UpDownEdit;

/// The "Tekstarray" dialog: a prompt and a multi-line text area.
class TTextformarray : public TagDialog {
    Q_OBJECT
public:
    explicit TTextformarray(QWidget *parent = nullptr);

    QString tagText() const { return m_tagText; }
    void setTagText(const QString &text) { m_tagText = text; }

    TextAreaTag value() const;
    void setValue(const TextAreaTag &tag);

    QLineEdit *nameEdit() const { return m_name; }
    QLineEdit *promptEdit() const { return m_prompt; }
    UpDownEdit *widthEdit() const { return m_width; }
    UpDownEdit *heightEdit() const { return m_height; }

    void accept() override;

protected:
    void FormActivate() override;
    QWidget *firstInput() const override;

private:
    QString m_tagText;
    QLineEdit *m_name;
    QLineEdit *m_prompt;
    UpDownEdit *m_width;
    UpDownEdit *m_height;
};

} // namespace lumaro
