#pragma once

#include "tagdialog.h"

class QPlainTextEdit;

namespace lumaro {

/// The no-frames dialog: free text for browsers without frames, written as
/// a NOFRAMES element, one line of the box per line.
class Tnoframe : public TagDialog {
    Q_OBJECT
public:
    explicit Tnoframe(QWidget *parent = nullptr);

    QPlainTextEdit *textEdit() const { return m_memo; }
    /// The element after OK; empty before and after Cancel.
    QString resultString() const { return m_result; }

    /// OK (`Button1Click`).
    void accept() override;

protected:
    QWidget *firstInput() const override;

private:
    QPlainTextEdit *m_memo;
    QString m_result;
};

} // namespace lumaro
