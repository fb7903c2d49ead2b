#pragma once

#include <QObject>

class QTimer;

namespace lumaro {

class PageHost;
class ShortcutKeys;

/// The preferences command ("&General", Indstilliinger1Click) and the user
/// shortcuts it edits. At creation it reads the shortcut file and binds its
/// keys; after "Ok" in the preferences it stores the shortcuts, rebinds
/// them, writes the settings and applies them to every page and to the
/// autosave timer.
class PreferencesCommand : public QObject {
    Q_OBJECT
public:
    PreferencesCommand(PageHost &host, QTimer *autosave, QObject *parent = nullptr);

    void Indstilliinger1Click();
    ShortcutKeys &keys() { return *m_keys; }

private:
    void applyToPages();

    PageHost &m_host;
    QTimer *m_autosave;
    ShortcutKeys *m_keys;
};

} // namespace lumaro
