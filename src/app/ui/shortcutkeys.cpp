#include "shortcutkeys.h"
#include "installdir.h"
#include "interaction.h"
#include "pagehost.h"
#include "pagemanager.h"
#include "shortcutdialognames.h"
#include "shortcutkey.h"
#include "thtmlrichedit.h"

#include <QAction>
#include <QKeyEvent>
#include <QFile>
#include <QSaveFile>
#include <QSet>
#include <QWidget>

namespace lumaro {

ShortcutKeys::ShortcutKeys(PageHost &host, QObject *parent)
    : QObject(parent)
    , m_host(host)
{
}

QString ShortcutKeys::fileName()
{
    return InstallDir::file(QStringLiteral("shortcut.dat"));
}

void ShortcutKeys::load()
{
    m_list = ShortcutList();
    QFile file(fileName());
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        interaction().warning(m_host.hostWindow(), QStringLiteral("Lumaro"),
                              QStringLiteral("Cannot read %1: %2").arg(file.fileName(), file.errorString()));
        return;
    }
    m_list = ShortcutList(ShortcutFile::decode(file.readAll()));
}

bool ShortcutKeys::store(const ShortcutList &list)
{
    QSaveFile file(fileName());
    if (file.open(QIODevice::WriteOnly)) {
        file.write(ShortcutFile::encode(list.records()));
        if (file.commit()) {
            m_list = list;
            return true;
        }
    }
    interaction().warning(m_host.hostWindow(), QStringLiteral("Lumaro"),
                          QStringLiteral("Cannot write %1: %2\nThe shortcuts stay as they were.")
                              .arg(file.fileName(), file.errorString()));
    return false;
}

bool ShortcutKeys::takenByWindow(const QKeySequence &key) const
{
    // Any other command of the window with this key keeps it.
    const QList<QAction *> all = m_host.hostWindow()->findChildren<QAction *>();
    for (const QAction *action : all) {
        if (m_owner && action->parent() == m_owner)
            continue;
        if (action->shortcuts().contains(key))
            return true;
    }
    return false;
}

void ShortcutKeys::lavscmenu()
{
    delete m_owner.data();
    QWidget *window = m_host.hostWindow();
    m_owner = new QObject(this);
    m_owner->setObjectName(QStringLiteral("scmenu"));
    QSet<quint16> bound;
    const QList<ShortcutRecord> &records = m_list.records();
    for (qsizetype i = 0; i < records.size(); ++i) {
        const ShortcutRecord &record = records[i];
        if (!ShortcutKey::bindable(record.key) || ShortcutKey::reserved(record.key) || bound.contains(record.key))
            continue;
        const QKeySequence key(*ShortcutKey::toQt(record.key));
        if (takenByWindow(key))
            continue;
        bound.insert(record.key);
        auto *action = new QAction(record.number, m_owner);
        action->setObjectName(QStringLiteral("sc") + record.number);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setProperty("shortcutRecord", QVariant::fromValue(i));
        connect(action, &QAction::triggered, this, [this, i] { scmenuClick(i); });
        window->addAction(action);
    }
    for (int slot = 0; slot < PageManager::kSlots; ++slot)
        if (thtmlrichedit *page = m_host.editor(slot))
            page->installEventFilter(this);  // installed once, however often rebuilt
}

bool ShortcutKeys::bound(QKeyCombination key) const
{
    const QKeySequence pressed(QKeyCombination(key.keyboardModifiers() & ~Qt::KeypadModifier, key.key()));
    for (const QAction *action : actions())
        if (action->shortcut() == pressed)
            return true;
    return false;
}

bool ShortcutKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride && bound(static_cast<QKeyEvent *>(event)->keyCombination())) {
        // Not accepted: the window's shortcut runs instead of the editor's key.
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

QList<QAction *> ShortcutKeys::actions() const
{
    return m_owner ? m_owner->findChildren<QAction *>(Qt::FindDirectChildrenOnly) : QList<QAction *>();
}

void ShortcutKeys::scmenuClick(qsizetype index)
{
    if (index < 0 || index >= m_list.size())
        return;
    const ShortcutRecord &record = m_list.records()[index];
    if (const ShortcutDialogName *dialog = ShortcutDialogNames::find(record.tag)) {
        // A dialog whose command is not there, or not available now, does nothing.
        QAction *command = m_host.command(dialog->component);
        if (command && command->isEnabled())
            command->trigger();
        return;
    }
    thtmlrichedit *page = m_host.activeEditor();
    if (!page || page->isReadOnly())
        return;
    const ShortcutInsertion insertion = ShortcutList::insertion(record, page->selText());
    page->replaceSelection(insertion.text);
    if (insertion.caretBack > 0)
        page->setCaretPosition(page->caretPosition() - insertion.caretBack);
}

} // namespace lumaro
