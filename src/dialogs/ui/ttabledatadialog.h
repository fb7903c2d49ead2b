#pragma once

#include "tabledatatag.h"
#include "tagdialog.h"

class QLineEdit;

namespace lumaro {

class BorderColorsPanel;
class RadioGroup;
class UpDownEdit;

/// The "Table Data" dialog: writes one whole TD element (start tag,
/// content, end tag).
class Ttabledatadialog : public TagDialog {
    Q_OBJECT
public:
    explicit Ttabledatadialog(QWidget *parent = nullptr);

    QString tagText() const { return m_tagText; }
    void setTagText(const QString &text) { m_tagText = text; }

    TableDataTag value() const;
    void setValue(const TableDataTag &tag);

    RadioGroup *alignGroup() const { return m_align; }
    RadioGroup *valignGroup() const { return m_valign; }
    UpDownEdit *widthEdit() const { return m_width; }
    UpDownEdit *colspanEdit() const { return m_colspan; }
    UpDownEdit *rowspanEdit() const { return m_rowspan; }
    QLineEdit *contentEdit() const { return m_content; }
    BorderColorsPanel *colorsPanel() const { return m_colors; }

    void accept() override;

protected:
    void FormActivate() override;
    QWidget *firstInput() const override;

private:
    QString m_tagText;
    RadioGroup *m_align;
    RadioGroup *m_valign;
    UpDownEdit *m_width;
    UpDownEdit *m_colspan;
    UpDownEdit *m_rowspan;
    QLineEdit *m_content;
    BorderColorsPanel *m_colors;
};

} // namespace lumaro
