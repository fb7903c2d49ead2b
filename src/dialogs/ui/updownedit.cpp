#include "updownedit.h"

#include <QLineEdit>
#include <QStyleOption>

namespace lumaro {

UpDownEdit::UpDownEdit(int minimum, int maximum, QWidget *parent)
    : QAbstractSpinBox(parent)
    , m_minimum(minimum)
    , m_maximum(maximum)
{
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
    connect(lineEdit(), &QLineEdit::textChanged, this, &UpDownEdit::textChanged);
    connect(lineEdit(), &QLineEdit::textEdited, this, &UpDownEdit::textEdited);
}

QString UpDownEdit::text() const { return lineEdit()->text(); }

void UpDownEdit::setText(const QString &text) { lineEdit()->setText(text); }

void UpDownEdit::stepBy(int steps)
{
    bool ok = false;
    const int current = text().trimmed().toInt(&ok);
    const int next = ok ? qBound(m_minimum, current + steps, m_maximum) : m_minimum;
    lineEdit()->setText(QString::number(next));
    emit textEdited(text());
}

QValidator::State UpDownEdit::validate(QString &, int &) const
{
    return QValidator::Acceptable;
}

QAbstractSpinBox::StepEnabled UpDownEdit::stepEnabled() const
{
    if (isReadOnly() || !isEnabled())
        return StepNone;
    bool ok = false;
    const int current = text().trimmed().toInt(&ok);
    if (!ok)
        return StepUpEnabled | StepDownEnabled;
    StepEnabled e = StepNone;
    if (current < m_maximum)
        e |= StepUpEnabled;
    if (current > m_minimum)
        e |= StepDownEnabled;
    return e;
}

QSize UpDownEdit::sizeHint() const
{
    ensurePolished();
    const QFontMetrics fm(font());
    const int w = fm.horizontalAdvance(QString::number(m_maximum) + QStringLiteral("000"));
    QStyleOptionSpinBox opt;
    initStyleOption(&opt);
    const QSize content(w, lineEdit()->sizeHint().height());
    return style()->sizeFromContents(QStyle::CT_SpinBox, &opt, content, this);
}

QSize UpDownEdit::minimumSizeHint() const { return sizeHint(); }

} // namespace lumaro
