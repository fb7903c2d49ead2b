#include "preferencescommand.h"
#include "pagehost.h"
#include "pagemanager.h"
#include "preferences.h"
#include "shortcutkeys.h"
#include "thtmlrichedit.h"
#include "tpreffdialog.h"
#include "tregini.h"

#include <QAction>
#include <QTimer>

namespace lumaro {

PreferencesCommand::PreferencesCommand(PageHost &host, QTimer *autosave, QObject *parent)
    : QObject(parent)
    , m_host(host)
    , m_autosave(autosave)
    , m_keys(new ShortcutKeys(host, this))
{
    m_keys->load();
    m_keys->lavscmenu();
    if (QAction *action = m_host.command(QStringLiteral("Indstilliinger1"))) {
        connect(action, &QAction::triggered, this, &PreferencesCommand::Indstilliinger1Click);
        action->setEnabled(true);
    }
}

void PreferencesCommand::Indstilliinger1Click()
{
    bool modified[PageManager::kSlots] = {};
    for (int slot = 0; slot < PageManager::kSlots; ++slot)
        if (thtmlrichedit *ed = m_host.editor(slot))
            modified[slot] = ed->isModified();

    tregini settings;
    Tpreffdialog dialog(m_host.hostWindow());
    dialog.setShortcuts(m_keys->list());
    const Preferences before = Preferences::read(settings);
    dialog.setValue(before);
    if (dialog.exec() != QDialog::Accepted)
        return;

    // The list, the file and the keys agree: a failed write is reported,
    // the old file, list and keys stay, and the rest of the settings still apply.
    if (m_keys->store(dialog.shortcuts()))
        m_keys->lavscmenu();

    const Preferences prefs = dialog.value();
    prefs.write(settings, before);

    thtmlrichedit *active = m_host.activeEditor();
    const bool wasVisible = active && active->isVisible();
    if (wasVisible)
        active->hide();
    // Every page loses its old formats and is coloured anew, last tab first.
    for (int slot = m_host.pageCount() - 1; slot >= 0; --slot) {
        if (thtmlrichedit *ed = m_host.editor(slot)) {
            ed->resetFormats();
            ed->color();
        }
    }
    // Reformatting is no change to a page.
    for (int slot = 0; slot < PageManager::kSlots; ++slot) {
        if (thtmlrichedit *ed = m_host.editor(slot)) {
            ed->applySettings();
            ed->setModified(modified[slot]);
        }
    }
    if (wasVisible) {
        active->show();
        active->setFocus();
    }

    if (m_autosave) {
        m_autosave->setInterval(prefs.minutes * 60000);
        if (prefs.autosave)
            m_autosave->start();
        else
            m_autosave->stop();
    }
}

} // namespace lumaro
