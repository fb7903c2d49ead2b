#include "replacecontroller.h"
#include "pagehost.h"
#include "replacedialog.h"
#include "replaceproject.h"
#include "thtmlrichedit.h"
#include "tregini.h"

#include <QAction>
#include <memory>

namespace lumaro {

ReplaceController::ReplaceController(PageHost &host, QObject *parent)
    : QObject(parent)
    , m_host(host)
{
    if (QAction *action = host.command(QStringLiteral("sgogerstat1"))) {
        connect(action, &QAction::triggered, this, &ReplaceController::sgogerstat1Click);
        action->setEnabled(true);
    }
}

ReplaceController::Project ReplaceController::project() const
{
    if (m_projectSource)
        return m_projectSource();
    return replaceProjectOf(m_host);
}

void ReplaceController::sgogerstat1Click()
{
    thtmlrichedit *editor = m_host.activeEditor();
    if (!editor)
        return;
    Treplace dialog(m_host.hostWindow());
    dialog.projectOpen = project().open;
    dialog.severalPagesOpen = m_host.pageCount() > 1;
    dialog.selectedText = editor->selText();
    if (dialog.exec() != QDialog::Accepted)
        return;
    runReplace(dialog.request());
}

void ReplaceController::runReplace(const ReplaceRequest &r)
{
    // An empty find text would match nowhere useful; replace nothing and, in
    // the project pass, do not rewrite the project's files either.
    if (r.findText.isEmpty() || m_host.pageCount() == 0)
        return;

    auto replaceInPage = [&](thtmlrichedit *editor) {
        if (editor)
            editor->replace(r.wholeWord, r.matchCase, r.allOpenFiles, false, r.fromCursor,
                            r.entireScope, r.findText, r.replaceText);
    };
    auto replaceInAllPages = [&] {
        for (int slot = m_host.pageCount() - 1; slot >= 0; --slot)
            replaceInPage(m_host.editor(slot));
    };

    if (r.wholeProject) {
        const Project p = project();
        replaceInAllPages();
        if (!p.open)
            return;
        // The project's files go through a hidden editor of their own, so the
        // open pages are not touched a second time.
        auto scratch = std::make_unique<thtmlrichedit>(m_host.hostWindow());
        scratch->hide();
        const tregini settings;
        CharAttributes font = scratch->defaultAttributes();
        font.face = settings.readfontname();
        font.pointSize = settings.readfontsize();
        scratch->setDefaultAttributes(font);
        scratch->replace(r.wholeWord, r.matchCase, r.allOpenFiles, true, r.fromCursor, r.entireScope,
                         r.findText, r.replaceText, p.list);
    } else if (r.allOpenFiles) {
        replaceInAllPages();
    } else {
        replaceInPage(m_host.activeEditor());
    }
}

} // namespace lumaro
