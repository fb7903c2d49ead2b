#include "dialogkeys.h"

#include <QButtonGroup>
#include <QDialog>
#include <QEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

namespace lumaro {

namespace {

/// The buttons that exclude each other with button: its button group, or
/// the auto-exclusive radio buttons beside it.
QList<QAbstractButton *> groupOf(QAbstractButton *button)
{
    if (QButtonGroup *group = button->group())
        return group->exclusive() ? group->buttons() : QList<QAbstractButton *>();
    QList<QAbstractButton *> list;
    if (!button->autoExclusive() || !button->parentWidget())
        return list;
    for (QRadioButton *b : button->parentWidget()->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly))
        if (b->autoExclusive() && !b->group())
            list.append(b);
    return list;
}

} // namespace

DialogKeys::DialogKeys(QDialog *dialog, QPushButton *ok)
    : QObject(dialog)
    , m_dialog(dialog)
    , m_ok(ok)
{
    for (const QKeySequence &key : {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)}) {
        auto *shortcut = new QShortcut(key, dialog);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this] {
            if (!m_ok->isEnabled() || !m_ok->isVisible())
                return;
            // Taking the focus ends any cell edit, which commits its text.
            m_ok->setFocus(Qt::OtherFocusReason);
            m_ok->click();
        });
    }
    dialog->installEventFilter(this);
}

void DialogKeys::install(QDialog *dialog, QPushButton *ok)
{
    new DialogKeys(dialog, ok);
}

void DialogKeys::fixTabStop(QAbstractButton *button)
{
    const QList<QAbstractButton *> group = groupOf(button);
    QAbstractButton *checked = nullptr;
    for (QAbstractButton *b : group)
        if (b->isChecked())
            checked = b;
    if (!checked)
        return;
    for (QAbstractButton *b : group) {
        const Qt::FocusPolicy policy = b == checked ? Qt::FocusPolicy(b->focusPolicy() | Qt::TabFocus)
                                                    : Qt::FocusPolicy(b->focusPolicy() & ~Qt::TabFocus);
        b->setFocusPolicy(policy);
    }
}

void DialogKeys::watchRadioButtons()
{
    // Buttons may be added after the dialog is built; each is watched once.
    static const char *const kWatched = "lumaroTabStopWatched";
    for (QRadioButton *b : m_dialog->findChildren<QRadioButton *>()) {
        if (!b->property(kWatched).toBool()) {
            b->setProperty(kWatched, true);
            connect(b, &QAbstractButton::toggled, this, [b](bool on) {
                if (on)
                    fixTabStop(b);
            });
        }
        fixTabStop(b);
    }
}

bool DialogKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_dialog && event->type() == QEvent::Show)
        watchRadioButtons();
    return QObject::eventFilter(watched, event);
}

} // namespace lumaro
