#pragma once

#include "anchorlink.h"
#include "tagdialog.h"

class QLineEdit;
class QPushButton;

namespace lumaro {

/// The anchor dialog: address, anchor name and link text of an
/// <A HREF="..."> element. The launcher fills and reads it.
class Tanchordialog : public TagDialog {
    Q_OBJECT
public:
    explicit Tanchordialog(QWidget *parent = nullptr);

    AnchorLink value() const;
    void setValue(const AnchorLink &link);

    QLineEdit *addressEdit() const { return m_address; }
    QLineEdit *nameEdit() const { return m_name; }
    QLineEdit *textEdit() const { return m_text; }
    /// Picks the address with the link builder (urlPicker()); disabled
    /// while no picker is installed.
    QPushButton *urlButton() const { return m_url; }

protected:
    QWidget *firstInput() const override;

private:
    void Button4Click();

    QLineEdit *m_address;
    QLineEdit *m_name;
    QLineEdit *m_text;
    QPushButton *m_url;
};

} // namespace lumaro
