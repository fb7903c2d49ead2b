#pragma once

#include "frametag.h"
#include "tagdialog.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace lumaro {

class RadioGroup;
class UpDownEdit;

/// The frame dialog: name, source, scrolling, resizing, margins and border
/// of one FRAME tag. A frame must have a name.
class Tframeframe : public TagDialog {
    Q_OBJECT
public:
    explicit Tframeframe(QWidget *parent = nullptr);

    QString tagText() const { return m_tagText; }
    void setTagText(const QString &text) { m_tagText = text; }

    FrameTag value() const;
    void setValue(const FrameTag &tag);

    QLineEdit *nameEdit() const { return m_name; }
    QLineEdit *srcEdit() const { return m_src; }
    /// "URL Builder": picks the source; disabled while no picker is installed.
    QPushButton *urlButton() const { return m_url; }
    UpDownEdit *marginWidthEdit() const { return m_marginWidth; }
    UpDownEdit *marginHeightEdit() const { return m_marginHeight; }
    UpDownEdit *frameBorderEdit() const { return m_frameBorder; }
    RadioGroup *scrollingGroup() const { return m_scrolling; }
    QCheckBox *noResizeCheck() const { return m_noResize; }

    /// OK (`Button2Click`): an empty name is refused with "Must be filled
    /// in"; otherwise the tag is written into the tag text.
    void accept() override;

protected:
    void FormActivate() override;
    QWidget *firstInput() const override;

private:
    void Button1Click();

    QString m_tagText;
    bool m_editExisting = false;
    QLineEdit *m_name;
    QLineEdit *m_src;
    QPushButton *m_url;
    UpDownEdit *m_marginWidth;
    UpDownEdit *m_marginHeight;
    UpDownEdit *m_frameBorder;
    RadioGroup *m_scrolling;
    QCheckBox *m_noResize;
};

} // namespace lumaro
