#pragma once

#include <QPlainTextEdit>

namespace lumaro {

/// A multi-line text box for an element's content. Its text has CR LF line
/// breaks, like the page's selected text, so a multi-line selection comes
/// back from the dialog with the same breaks. Tab moves the focus on.
class CrlfTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CrlfTextEdit(QWidget *parent = nullptr);

    /// The text with CR LF line breaks.
    QString text() const;
    /// Shows text; CR LF, LF and CR each become one line break.
    void setText(const QString &text);

    QSize sizeHint() const override;
};

} // namespace lumaro
