#pragma once

#include "headingtag.h"
#include "tagdialog.h"

class QCheckBox;

namespace lumaro {

class CrlfTextEdit;
class RadioGroup;

/// The "Heading" dialog: writes one H1 .. H7 element, centred or not.
///
/// The launcher decodes the selection into a HeadingTag and shows it here;
/// the text after the selected heading travels with the value.
class Theadingdialog : public TagDialog {
    Q_OBJECT
public:
    explicit Theadingdialog(QWidget *parent = nullptr);

    HeadingTag value() const;
    void setValue(const HeadingTag &tag);

    RadioGroup *levelGroup() const { return m_level; }
    QCheckBox *checkcenter() const { return m_center; }
    CrlfTextEdit *textEdit() const { return m_text; }

protected:
    QWidget *firstInput() const override;

private:
    RadioGroup *m_level;
    QCheckBox *m_center;
    CrlfTextEdit *m_text;
    QString m_after;
};

} // namespace lumaro
