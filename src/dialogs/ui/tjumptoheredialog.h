#pragma once

#include "jumptoherelink.h"
#include "tagdialog.h"

class QLineEdit;

namespace lumaro {

/// The "Jump to here" dialog: anchor name and text of a named place to jump to, <A NAME="name">.
/// The launcher fills and reads it.
class Tjumptoheredialog : public TagDialog {
    Q_OBJECT
public:
    explicit Tjumptoheredialog(QWidget *parent = nullptr);

    JumpToHereLink value() const;
    void setValue(const JumpToHereLink &link);

    QLineEdit *nameEdit() const { return m_name; }
    QLineEdit *textEdit() const { return m_text; }

protected:
    QWidget *firstInput() const override;

private:
    QLineEdit *m_name;
    QLineEdit *m_text;
};

} // namespace lumaro
