#pragma once

#include <QAbstractSpinBox>

namespace lumaro {

/// An edit box with an up-down control. The text is free: what the user
/// types is kept and written as typed (a dialog's numbers are not
/// validated). The arrows step the number in the box by one within
/// [minimum, maximum]; a text that is no number steps from the minimum.
class UpDownEdit : public QAbstractSpinBox {
    Q_OBJECT
public:
    UpDownEdit(int minimum, int maximum, QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);

    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }

    void stepBy(int steps) override;
    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &) const override {}
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void textChanged(const QString &text);
    /// The user typed or stepped (not emitted by setText).
    void textEdited(const QString &text);

protected:
    StepEnabled stepEnabled() const override;

private:
    int m_minimum;
    int m_maximum;
};

} // namespace lumaro
