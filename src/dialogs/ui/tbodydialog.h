#pragma once

#include "bodytag.h"
#include "tagdialog.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace lumaro {

class ColorControlSet;
class UpDownEdit;

/// The "Body" dialog: the page's background image and colours, link
/// colours and margins, written as the BODY start tag.
///
/// The launcher decodes the selection into a BodyTag and shows it here;
/// the edit-existing flag and the text after the tag travel with the value.
class Tbodydialog : public TagDialog {
    Q_OBJECT
public:
    explicit Tbodydialog(QWidget *parent = nullptr);

    BodyTag value() const;
    void setValue(const BodyTag &tag);

    QLineEdit *backgroundEdit() const { return m_background; }
    QPushButton *urlButton() const { return m_url; }
    QCheckBox *watermarkCheck() const { return m_watermark; }
    ColorControlSet *backColors() const { return m_back; }
    ColorControlSet *textColors() const { return m_text; }
    ColorControlSet *linkColors() const { return m_link; }
    ColorControlSet *vlinkColors() const { return m_vlink; }
    UpDownEdit *topmedit() const { return m_top; }
    UpDownEdit *leftmedit() const { return m_left; }

    /// The "URL" button: picks a background image with the link builder.
    void urlButtonClick();

protected:
    QWidget *firstInput() const override;

private:
    QLineEdit *m_background;
    QPushButton *m_url;
    QCheckBox *m_watermark;
    ColorControlSet *m_back;
    ColorControlSet *m_text;
    ColorControlSet *m_link;
    ColorControlSet *m_vlink;
    UpDownEdit *m_top;
    UpDownEdit *m_left;
    bool m_editExisting = false;
    QString m_after;
};

} // namespace lumaro
