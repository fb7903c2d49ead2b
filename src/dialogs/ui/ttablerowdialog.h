#pragma once

#include "tablerowtag.h"
#include "tagdialog.h"

namespace lumaro {

class BorderColorsPanel;
class RadioGroup;

/// The "Table Row" dialog: writes or rewrites one TR start tag.
class Ttablerowdialog : public TagDialog {
    Q_OBJECT
public:
    explicit Ttablerowdialog(QWidget *parent = nullptr);

    QString tagText() const { return m_tagText; }
    void setTagText(const QString &text) { m_tagText = text; }

    TableRowTag value() const;
    void setValue(const TableRowTag &tag);

    RadioGroup *alignGroup() const { return m_align; }
    RadioGroup *valignGroup() const { return m_valign; }
    BorderColorsPanel *colorsPanel() const { return m_colors; }

    void accept() override;

protected:
    void FormActivate() override;
    QWidget *firstInput() const override;

private:
    QString m_tagText;
    bool m_editExisting = false;
    RadioGroup *m_align;
    RadioGroup *m_valign;
    BorderColorsPanel *m_colors;
};

} // namespace lumaro
