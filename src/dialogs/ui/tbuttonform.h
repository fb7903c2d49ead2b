#pragma once

#include "buttonformtag.h"
#include "tagdialog.h"

namespace lumaro {

class RadioGroup;

/// The form button dialog: a submit or a reset button.
class TButtonform : public TagDialog {
    Q_OBJECT
public:
    explicit TButtonform(QWidget *parent = nullptr);

    QString tagText() const { return m_tagText; }
    void setTagText(const QString &text) { m_tagText = text; }

    ButtonFormTag value() const;
    void setValue(const ButtonFormTag &tag);

    RadioGroup *typeGroup() const { return m_type; }

    void accept() override;

protected:
    void FormActivate() override;
    QWidget *firstInput() const override;

private:
    QString m_tagText;
    RadioGroup *m_type;
};

} // namespace lumaro
