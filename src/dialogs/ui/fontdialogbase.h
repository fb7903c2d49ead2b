#pragma once

#include "fonttag.h"
#include "tagdialog.h"

class QLineEdit;
class QPushButton;

namespace lumaro {

class ColorControlSet;
class CrlfTextEdit;
class RadioGroup;

/// The controls the font and base font dialogs share: the text colour, the
/// seven sizes and the face list with its "Select font" button; the font
/// dialog adds a text box for the element's content.
///
/// The launcher puts the selected text into the tag text; each time the
/// dialog is shown it resets its controls and decodes that text; OK writes
/// the new element (or tag) back into the tag text.
class FontDialogBase : public TagDialog {
    Q_OBJECT
public:
    QString tagText() const { return m_tagText; }
    void setTagText(const QString &text) { m_tagText = text; }

    FontTag value() const;
    void setValue(const FontTag &tag);

    ColorControlSet *textColor() const { return m_color; }
    RadioGroup *sizeGroup() const { return m_size; }
    QLineEdit *facesEdit() const { return m_faces; }
    QPushButton *selectFontButton() const { return m_selectFont; }
    /// The content box; nullptr in the base font dialog.
    CrlfTextEdit *textEdit() const { return m_text; }

    void accept() override;

protected:
    FontDialogBase(FontTag::Kind kind, int helpContext, QWidget *parent);

    void FormActivate() override;
    QWidget *firstInput() const override;

private:
    /// Runs the system font dialog and appends the chosen family to the faces.
    void selectFont();

    FontTag::Kind m_kind;
    QString m_tagText;
    QString m_after;
    ColorControlSet *m_color;
    RadioGroup *m_size;
    QLineEdit *m_faces;
    QPushButton *m_selectFont;
    CrlfTextEdit *m_text = nullptr;
};

} // namespace lumaro
