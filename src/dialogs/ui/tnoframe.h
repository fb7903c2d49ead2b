#pragma once

#include "crlftextedit.h"
#include "tagdialog.h"


namespace lumaro {

/// The no-frames dialog: free text for browsers without frames, written as
/// a NOFRAMES element, one line of the box per line.
class Tnoframe : public TagDialog {
    Q_OBJECT
public:
    explicit Tnoframe(QWidget *parent = nullptr);

    CrlfTextEdit *textEdit() const { return m_memo; }
    /// The element after OK; empty before and after Cancel.
    QString resultString() const { return m_result; }

    /// OK (`Button1Click`).
    void accept() override;

protected:
    QWidget *firstInput() const override;

private:
    CrlfTextEdit *m_memo;
    QString m_result;
};

} // namespace lumaro
