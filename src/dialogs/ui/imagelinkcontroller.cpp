#include "imagelinkcontroller.h"
#include "browsestart.h"
#include "interaction.h"
#include "pagecommand.h"
#include "pagehost.h"
#include "picturefiles.h"
#include "quicktags.h"
#include "thtmlrichedit.h"
#include "timagebuild.h"
#include "turlbil.h"
#include "urlpicker.h"

#include <QAction>

namespace lumaro {

ImageLinkController::ImageLinkController(PageHost &host, QObject *parent)
    : QObject(parent)
    , m_host(host)
{
    m_urlbil = new Turlbil(host.hostWindow(), [this]() -> const ProjectState * { return m_host.projectState(); });
    setUrlPicker(m_urlbil);
    connectCommand(QStringLiteral("SpeedButton8"), &ImageLinkController::SpeedButton8Click);
    connectCommand(QStringLiteral("SpeedButton10"), &ImageLinkController::SpeedButton10Click);
    connectCommand(QStringLiteral("SpeedButton11"), &ImageLinkController::SpeedButton11Click);
}

ImageLinkController::~ImageLinkController()
{
    if (urlPicker() == m_urlbil.data())
        setUrlPicker(nullptr);
    delete m_urlbil.data();
}

Turlbil *ImageLinkController::linkBuilder() const { return m_urlbil; }

void ImageLinkController::connectCommand(const QString &name, void (ImageLinkController::*handler)())
{
    connectPageCommand(m_host, name, this, [this, handler] { (this->*handler)(); });
}

void ImageLinkController::SpeedButton8Click()
{
    thtmlrichedit *page = m_host.activeEditor();
    if (!page)
        return;
    Timagebuild dialog(m_host.hostWindow());
    dialog.decodetext(page->selText());
    // The page may have closed while the dialog was open.
    if (dialog.exec() == QDialog::Accepted && m_host.activeEditor() == page)
        page->replaceSelection(dialog.result());
}

void ImageLinkController::SpeedButton10Click()
{
    thtmlrichedit *page = m_host.activeEditor();
    if (!page)
        return;
    const QString selected = page->selText();
    const ProjectState *project = m_host.projectState();
    FileDialogRequest request;
    request.directory = BrowseStart::directory(project, BrowseStart::Root::Project);
    const QStringList filters = QuickTags::anchorFilters();
    request.filter = filters.join(QStringLiteral(";;"));
    request.selectedFilter = filters.constFirst();
    const QString file = interaction().openFile(m_host.hostWindow(), request);
    if (file.isEmpty() || m_host.activeEditor() != page)
        return;
    page->replaceSelection(QuickTags::anchorTag(BrowseStart::tagPath(project, file), selected));
    if (const int back = QuickTags::caretBack(selected))
        page->setCaretPosition(page->caretPosition() - back);
}

void ImageLinkController::SpeedButton11Click()
{
    thtmlrichedit *page = m_host.activeEditor();
    if (!page)
        return;
    const ProjectState *project = m_host.projectState();
    FileDialogRequest request;
    request.directory = BrowseStart::directory(project, BrowseStart::Root::Images);
    const QStringList filters = QuickTags::imageFilters();
    request.filter = filters.join(QStringLiteral(";;"));
    request.selectedFilter = filters.constFirst();
    const QString file = interaction().openFile(m_host.hostWindow(), request);
    if (file.isEmpty() || m_host.activeEditor() != page)
        return;
    const QSize size = PictureFiles::readSize(file);
    page->replaceSelection(QuickTags::imageTag(BrowseStart::tagPath(project, file), size.width(), size.height()));
}

} // namespace lumaro
