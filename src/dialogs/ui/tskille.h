#pragma once

#include "ruletag.h"
#include "tagdialog.h"

class QCheckBox;

namespace lumaro {

class RadioGroup;
class UpDownEdit;

/// The "HR" dialog: writes one horizontal rule. The launcher stores the
/// selection in the tag text; activation reads a selected "<HR" tag back;
/// OK leaves the new tag (and what followed the selected one) in the tag text.
class Tskille : public TagDialog {
    Q_OBJECT
public:
    explicit Tskille(QWidget *parent = nullptr);

    QString tagText() const { return m_tagText; }
    void setTagText(const QString &text) { m_tagText = text; }

    RuleTag value() const;
    void setValue(const RuleTag &tag);

    RadioGroup *alignGroup() const { return m_align; }
    UpDownEdit *widthEdit() const { return m_width; }
    QCheckBox *widthPercentCheck() const { return m_widthPercent; }
    UpDownEdit *heightEdit() const { return m_height; }
    QCheckBox *noShadeCheck() const { return m_noShade; }

    void accept() override;

protected:
    void FormActivate() override;
    QWidget *firstInput() const override;

private:
    QString m_tagText;
    QString m_trailing;
    RadioGroup *m_align;
    UpDownEdit *m_width;
    QCheckBox *m_widthPercent;
    UpDownEdit *m_height;
    QCheckBox *m_noShade;
};

} // namespace lumaro
