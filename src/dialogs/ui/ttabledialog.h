#pragma once

#include "tabletag.h"
#include "tagdialog.h"

class QCheckBox;
class QLabel;

namespace lumaro {

class BorderColorsPanel;
class RadioGroup;
class UpDownEdit;

/// The "Table" dialog: writes or rewrites one TABLE start tag.
///
/// The launcher puts the selected text into the tag text; each time the
/// dialog is shown it resets its controls and decodes that text; OK writes
/// the new tag (or the new element) back into the tag text.
class Ttabledialog : public TagDialog {
    Q_OBJECT
public:
    explicit Ttabledialog(QWidget *parent = nullptr);

    QString tagText() const { return m_tagText; }
    void setTagText(const QString &text) { m_tagText = text; }

    TableTag value() const;
    void setValue(const TableTag &tag);

    RadioGroup *alignGroup() const { return m_align; }
    RadioGroup *valignGroup() const { return m_valign; }
    QCheckBox *borderCheck() const { return m_border; }
    UpDownEdit *thicknessEdit() const { return m_thickness; }
    QLabel *thicknessLabel() const { return m_thicknessLabel; }
    BorderColorsPanel *colorsPanel() const { return m_colors; }

    void accept() override;

protected:
    void FormActivate() override;
    QWidget *firstInput() const override;

private:
    void enableThickness();

    QString m_tagText;
    bool m_editExisting = false;
    RadioGroup *m_align;
    RadioGroup *m_valign;
    QCheckBox *m_border;
    QLabel *m_thicknessLabel;
    UpDownEdit *m_thickness;
    BorderColorsPanel *m_colors;
};

} // namespace lumaro
