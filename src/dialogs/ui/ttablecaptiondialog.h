#pragma once

#include "tablecaptiontag.h"
#include "tagdialog.h"

class QLineEdit;

namespace lumaro {

class RadioGroup;

/// The "Table Caption" dialog: writes one whole CAPTION element followed by
/// a line break.
class Ttablecaptiondialog : public TagDialog {
    Q_OBJECT
public:
    explicit Ttablecaptiondialog(QWidget *parent = nullptr);

    QString tagText() const { return m_tagText; }
    void setTagText(const QString &text) { m_tagText = text; }

    TableCaptionTag value() const;
    void setValue(const TableCaptionTag &tag);

    RadioGroup *alignGroup() const { return m_align; }
    RadioGroup *valignGroup() const { return m_valign; }
    QLineEdit *contentEdit() const { return m_content; }

    void accept() override;

protected:
    void FormActivate() override;
    QWidget *firstInput() const override;

private:
    QString m_tagText;
    RadioGroup *m_align;
    RadioGroup *m_valign;  ///< Top (0) / Bottom (1)
    QLineEdit *m_content;
};

} // namespace lumaro
