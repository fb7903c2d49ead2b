#pragma once

#include "jumptolink.h"
#include "tagdialog.h"

class QLineEdit;

namespace lumaro {

/// The "Jump to" dialog: anchor name and text of a link to a named place of the page, <A HREF="#name">.
/// The launcher fills and reads it.
class Tjumptodialog : public TagDialog {
    Q_OBJECT
public:
    explicit Tjumptodialog(QWidget *parent = nullptr);

    JumpToLink value() const;
    void setValue(const JumpToLink &link);

    QLineEdit *nameEdit() const { return m_name; }
    QLineEdit *textEdit() const { return m_text; }

protected:
    QWidget *firstInput() const override;

private:
    QLineEdit *m_name;
    QLineEdit *m_text;
};

} // namespace lumaro
