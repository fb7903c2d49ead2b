#pragma once

#include "tagdialog.h"

class QLineEdit;

namespace lumaro {

/// A small text dialog of the wrap commands: one edit box for the text to
/// put between a start and an end tag. OK sets the result to start tag +
/// text + end tag.
class TextTagDialog : public TagDialog {
    Q_OBJECT
public:
    TextTagDialog(const QString &caption, const QString &tagName, int helpContext, QWidget *parent = nullptr);

    QLineEdit *textEdit() const { return m_edit; }
    /// Start tag + typed text + end tag, set by OK.
    QString result() const { return m_result; }

    void accept() override;

protected:
    QWidget *firstInput() const override;
    void setTagName(const QString &tagName);
    QString tagName() const { return m_tagName; }

private:
    QString m_tagName;
    QLineEdit *m_edit;
    QString m_result;
};

} // namespace lumaro
