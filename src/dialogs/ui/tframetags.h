#pragma once

#include "framesettag.h"
#include "tagdialog.h"

class QLineEdit;
class QRadioButton;

namespace lumaro {

/// The frame set dialog ("Frameset setup"): row sizes or column sizes of
/// one FRAMESET start tag. Only the box of the chosen direction is shown.
class Tframetags : public TagDialog {
    Q_OBJECT
public:
    explicit Tframetags(QWidget *parent = nullptr);

    QString tagText() const { return m_tagText; }
    void setTagText(const QString &text) { m_tagText = text; }

    FramesetTag value() const;
    void setValue(const FramesetTag &tag);

    QRadioButton *rowsButton() const { return m_rowsButton; }
    QRadioButton *colsButton() const { return m_colsButton; }
    QLineEdit *rowsEdit() const { return m_rows; }
    QLineEdit *colsEdit() const { return m_cols; }

    /// OK (`Button1Click`): an empty size box is refused with "Must be
    /// filled in"; otherwise the tag is written into the tag text.
    void accept() override;

protected:
    void FormActivate() override;
    QWidget *firstInput() const override;

private:
    void showChosenBox();

    QString m_tagText;
    bool m_editExisting = false;
    QRadioButton *m_rowsButton;
    QRadioButton *m_colsButton;
    QLineEdit *m_rows;
    QLineEdit *m_cols;
};

} // namespace lumaro
