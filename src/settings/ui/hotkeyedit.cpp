#include "hotkeyedit.h"
#include "shortcutkey.h"

#include <QKeyEvent>

namespace lumaro {

HotKeyEdit::HotKeyEdit(QWidget *parent)
    : QKeySequenceEdit(parent)
{
}

void HotKeyEdit::setKey(quint16 key)
{
    const auto combination = ShortcutKey::bindable(key) ? ShortcutKey::toQt(key) : std::nullopt;
    m_key = combination ? key : 0;
    if (combination)
        setKeySequence(QKeySequence(*combination));
    else
        clear();
}

bool HotKeyEdit::event(QEvent *event)
{
    // The base class records Tab as a key; without Ctrl or Alt it could never
    // be a shortcut here, so it keeps its usual meaning.
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        // Enter and Escape belong to the dialog (accept, cancel); they are
        // never recorded, so the field keeps what it holds.
        const int k = key->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Escape) {
            event->ignore();
            return false;
        }
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (tab && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            if (event->type() == QEvent::KeyPress)
                focusNextPrevChild(key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
            return true;
        }
    }
    return QKeySequenceEdit::event(event);
}

void HotKeyEdit::keyPressEvent(QKeyEvent *event)
{
    QKeySequenceEdit::keyPressEvent(event);
    const QKeySequence recorded = keySequence();
    if (recorded.isEmpty())
        return; // a modifier alone: still recording
    // One combination only: the first key ends the recording.
    const auto stored = ShortcutKey::fromQt(recorded[0]);
    setKey(stored && ShortcutKey::bindable(*stored) ? *stored : 0);
    emit editingFinished();
}

} // namespace lumaro
