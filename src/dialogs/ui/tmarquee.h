#pragma once

#include "marqueetag.h"
#include "crlftextedit.h"
#include "tagdialog.h"

class QCheckBox;

namespace lumaro {

class ColorControlSet;
class RadioGroup;
class UpDownEdit;

/// The "Marquee" dialog: writes a whole MARQUEE element with its text,
/// wrapped in a FONT element for the text colour. The launcher stores the
/// selection in the tag text; activation reads a selected marquee back, or
/// takes other selected text as the marquee text; OK leaves the element in
/// the tag text.
class Tmarquee : public TagDialog {
    Q_OBJECT
public:
    explicit Tmarquee(QWidget *parent = nullptr);

    QString tagText() const { return m_tagText; }
    void setTagText(const QString &text) { m_tagText = text; }

    MarqueeTag value() const;
    void setValue(const MarqueeTag &tag);

    ColorControlSet *foregroundSet() const { return m_foreground; }
    ColorControlSet *backgroundSet() const { return m_background; }
    RadioGroup *behaviorGroup() const { return m_behavior; }
    RadioGroup *alignGroup() const { return m_align; }
    RadioGroup *directionGroup() const { return m_direction; }
    UpDownEdit *loopEdit() const { return m_loop; }
    UpDownEdit *scrollAmountEdit() const { return m_scrollAmount; }
    UpDownEdit *scrollDelayEdit() const { return m_scrollDelay; }
    UpDownEdit *vspaceEdit() const { return m_vspace; }
    UpDownEdit *hspaceEdit() const { return m_hspace; }
    UpDownEdit *widthEdit() const { return m_width; }
    QCheckBox *widthPercentCheck() const { return m_widthPercent; }
    UpDownEdit *heightEdit() const { return m_height; }
    QCheckBox *heightPercentCheck() const { return m_heightPercent; }
    /// Multi-line, so selected text keeps its line breaks.
    CrlfTextEdit *textEdit() const { return m_text; }

    void accept() override;

protected:
    void FormActivate() override;
    QWidget *firstInput() const override;

private:
    QString m_tagText;
    QString m_trailing;
    QString m_fontTag;
    CrlfTextEdit *m_text;
    ColorControlSet *m_foreground;
    ColorControlSet *m_background;
    RadioGroup *m_behavior;
    RadioGroup *m_align;
    RadioGroup *m_direction;
    UpDownEdit *m_loop;
    UpDownEdit *m_scrollAmount;
    UpDownEdit *m_scrollDelay;
    UpDownEdit *m_vspace;
    UpDownEdit *m_hspace;
    UpDownEdit *m_width;
    QCheckBox *m_widthPercent;
    UpDownEdit *m_height;
    QCheckBox *m_heightPercent;
};

} // namespace lumaro
