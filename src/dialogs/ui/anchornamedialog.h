#pragma once

#include "tagdialog.h"

class QLineEdit;

namespace lumaro {

/// The layout the jump-to and jump-to-here dialogs share: an anchor name and
/// the text of the element, with the given caption and help topic.
class AnchorNameDialog : public TagDialog {
    Q_OBJECT
public:
    AnchorNameDialog(QWidget *parent, int helpContext, const QString &caption);

    QLineEdit *nameEdit() const { return m_name; }
    QLineEdit *textEdit() const { return m_text; }

protected:
    QWidget *firstInput() const override;
    QString name() const;
    QString text() const;
    void setFields(const QString &name, const QString &text);

private:
    QLineEdit *m_name;
    QLineEdit *m_text;
};

} // namespace lumaro
