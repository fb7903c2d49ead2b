#pragma once

#include "anchorlink.h"
#include "tagdialog.h"

#include <functional>
#include <optional>

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
    /// Picks the address with the link builder; disabled while no picker is set.
    QPushButton *urlButton() const { return m_url; }

    /// Shows the link builder in link-picking mode; the picked URL, or
    /// nothing when it was cancelled.
    using UrlPicker = std::function<std::optional<QString>(QWidget *parent)>;
    /// Installs the picker behind every anchor dialog's "URL" button
    /// (the link builder sets it once it exists); an empty one disables it.
    static void setUrlPicker(UrlPicker picker);

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
