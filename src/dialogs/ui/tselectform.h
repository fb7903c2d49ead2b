#pragma once

#include "selectformtag.h"
#include "crlftextedit.h"
#include "tagdialog.h"

class QCheckBox;
class QLineEdit;

namespace lumaro {

class UpDownEdit;

/// The selection list dialog: name, size, multiple choice and the options of
/// a whole SELECT element, one option per line of the options box.
class Tselectform : public TagDialog {
    Q_OBJECT
public:
    explicit Tselectform(QWidget *parent = nullptr);

    QString tagText() const { return m_tagText; }
    void setTagText(const QString &text) { m_tagText = text; }

    SelectFormTag value() const;
    void setValue(const SelectFormTag &tag);

    QLineEdit *nameEdit() const { return m_name; }
    UpDownEdit *sizeEdit() const { return m_size; }
    QCheckBox *multipleCheck() const { return m_multiple; }
    CrlfTextEdit *optionsEdit() const { return m_options; }

    void accept() override;

protected:
    void FormActivate() override;
    QWidget *firstInput() const override;

private:
    QString m_tagText;
    QLineEdit *m_name;
    UpDownEdit *m_size;
    QCheckBox *m_multiple;
    CrlfTextEdit *m_options;
};

} // namespace lumaro
