#include "framecontroller.h"
#include "noframesblock.h"
#include "pagecommand.h"
#include "tframeframe.h"
#include "tframetags.h"
#include "tnoframe.h"

namespace lumaro {

FrameController::FrameController(PageHost &host, QObject *parent)
    : QObject(parent)
    , m_host(host)
{
    connectPageCommand(host, QStringLiteral("SpeedButton110"), this, [this] { SpeedButton110Click(); });
    connectPageCommand(host, QStringLiteral("SpeedButton111"), this, [this] { SpeedButton111Click(); });
    connectPageCommand(host, QStringLiteral("SpeedButton112"), this, [this] { SpeedButton112Click(); });
}

void FrameController::SpeedButton110Click() { runTagTextDialog<Tframetags>(m_host); }
void FrameController::SpeedButton111Click() { runTagTextDialog<Tframeframe>(m_host); }

void FrameController::SpeedButton112Click()
{
    thtmlrichedit *page = m_host.activeEditor();
    if (!page)
        return;
    const QString selected = page->selText();
    if (!selected.isEmpty()) {
        page->replaceSelection(NoFramesBlock::wrap(selected));
        return;
    }
    Tnoframe dialog(m_host.hostWindow());
    if (dialog.exec() == QDialog::Accepted && m_host.activeEditor() == page && !dialog.resultString().isEmpty())
        page->replaceSelection(dialog.resultString());
}

} // namespace lumaro
