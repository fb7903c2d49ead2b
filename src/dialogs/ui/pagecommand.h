#pragma once

#include "pagehost.h"
#include "thtmlrichedit.h"

#include <QDialog>
#include <QString>
#include <functional>

class QObject;

namespace lumaro {

/// Connects the host's command of that component name to handler, within
/// the lifetime of context, and enables it; false when the host has no such
/// command or another controller already runs it.
bool connectPageCommand(PageHost &host, const QString &name, QObject *context, std::function<void()> handler);

/// The tag-text launch of the frame and form dialogs: the active page's
/// selected text goes into the dialog's tag text; on OK the dialog's tag
/// text replaces the selection. Cancel leaves the page untouched, and so
/// does an empty result where nothing was selected.
template <class Dialog> void runTagTextDialog(PageHost &host)
{
    thtmlrichedit *page = host.activeEditor();
    if (!page)
        return;
    const QString selected = page->selText();
    Dialog dialog(host.hostWindow());
    dialog.setTagText(selected);
    // The page may have closed while the dialog was open.
    if (dialog.exec() != QDialog::Accepted || host.activeEditor() != page)
        return;
    const QString result = dialog.tagText();
    if (result.isEmpty() && selected.isEmpty())
        return;
    page->replaceSelection(result);
}

} // namespace lumaro
