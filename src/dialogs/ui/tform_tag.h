#pragma once

#include "formtag.h"
#include "tagdialog.h"

class QLineEdit;
class QPushButton;

namespace lumaro {

class RadioGroup;

/// The form dialog: the action address and method of a whole FORM element.
class Tform_tag : public TagDialog {
    Q_OBJECT
public:
    explicit Tform_tag(QWidget *parent = nullptr);

    QString tagText() const { return m_tagText; }
    void setTagText(const QString &text) { m_tagText = text; }

    FormTag value() const;
    void setValue(const FormTag &tag);

    QLineEdit *actionEdit() const { return m_action; }
    /// "URL Builder": picks the action; disabled while no picker is installed.
    QPushButton *urlButton() const { return m_url; }
    RadioGroup *methodGroup() const { return m_method; }

    /// OK (`Button2Click`).
    void accept() override;

protected:
    void FormActivate() override;
    QWidget *firstInput() const override;

private:
    void urlBuilderClick();

    QString m_tagText;
    QLineEdit *m_action;
    QPushButton *m_url;
    RadioGroup *m_method;
};

} // namespace lumaro
