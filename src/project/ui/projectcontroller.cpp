#include "projectcontroller.h"
#include "dialogfilter.h"
#include "dialogrunner.h"
#include "interaction.h"
#include "pagehost.h"
#include "projectpaths.h"
#include "projectstate.h"
#include "publisher.h"
#include "thtmlrichedit.h"
#include "tinifil.h"
#include "tprojectoptions.h"
#include "tprojmanager.h"
#include "tprojoptionsroot.h"
#include "tregini.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>
#include <QSaveFile>
#include <array>

namespace lumaro {

namespace {

const QString kLumaro = QStringLiteral("Lumaro");
const QString kProjectFilter = QStringLiteral("Lumaro project *.lmp|*.lmp");
constexpr int kPageSlots = 15;

// The hourglass on the page editors while a long project command runs.
class EditorsBusy {
public:
    explicit EditorsBusy(PageHost &host)
    {
        for (int slot = 0; slot < kPageSlots; ++slot) {
            if (thtmlrichedit *ed = host.editor(slot)) {
                m_editors[slot] = ed;
                m_shapes[slot] = ed->viewport()->cursor().shape();
                ed->viewport()->setCursor(Qt::WaitCursor);
            }
        }
    }
    ~EditorsBusy()
    {
        for (int slot = 0; slot < kPageSlots; ++slot) {
            if (m_editors[slot])
                m_editors[slot]->viewport()->setCursor(m_shapes[slot]);
        }
    }
    EditorsBusy(const EditorsBusy &) = delete;
    EditorsBusy &operator=(const EditorsBusy &) = delete;

private:
    std::array<QPointer<thtmlrichedit>, kPageSlots> m_editors{};
    std::array<Qt::CursorShape, kPageSlots> m_shapes{};
};

// The hourglass as the screen cursor.
class ScreenBusy {
public:
    ScreenBusy() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~ScreenBusy() { QApplication::restoreOverrideCursor(); }
    ScreenBusy(const ScreenBusy &) = delete;
    ScreenBusy &operator=(const ScreenBusy &) = delete;
};

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// The project commands that exist only while a project is open.
const QStringList &projectCommands()
{
    static const QStringList names{QStringLiteral("SpeedButton107"), QStringLiteral("SpeedButton108"),
                                   QStringLiteral("projectindstillinger1"), QStringLiteral("visprojectmanager1"),
                                   QStringLiteral("gemproject1"), QStringLiteral("gemprojectsom1"),
                                   QStringLiteral("Checklinks1")};
    return names;
}

} // namespace

ProjectController::ProjectController(PageHost &host, QObject *parent)
    : QObject(parent)
    , m_host(host)
{
    if (!m_host.projectState())
        m_ownState = std::make_unique<ProjectState>();

    auto bind = [this](const QString &name, auto handler) {
        QAction *action = m_host.command(name);
        if (!action)
            return;
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    };
    bind(QStringLiteral("nytproject1"), &ProjectController::nytproject1Click);
    bind(QStringLiteral("SpeedButton106"), &ProjectController::SpeedButton106Click);
    bind(QStringLiteral("Openproject1"), &ProjectController::SpeedButton106Click);
    bind(QStringLiteral("gemproject1"), &ProjectController::gemproject1Click);
    bind(QStringLiteral("gemprojectsom1"), &ProjectController::gemprojectsom1Click);
    bind(QStringLiteral("SpeedButton107"), &ProjectController::SpeedButton107Click);
    bind(QStringLiteral("projectindstillinger1"), &ProjectController::projectindstillinger1Click);
    bind(QStringLiteral("visprojectmanager1"), &ProjectController::visprojectmanager1Click);
    bind(QStringLiteral("SpeedButton108"), &ProjectController::SpeedButton108Click);

    for (const QString &name : {QStringLiteral("nytproject1"), QStringLiteral("SpeedButton106"),
                                QStringLiteral("Openproject1")}) {
        if (QAction *action = m_host.command(name))
            action->setEnabled(true);
    }
    const bool open = state().isOpen();
    for (const QString &name : projectCommands()) {
        if (QAction *action = m_host.command(name))
            action->setEnabled(open);
    }
    attachEditors();
}

void ProjectController::attachEditors()
{
    for (int slot = 0; slot < kPageSlots; ++slot) {
        thtmlrichedit *ed = m_host.editor(slot);
        if (!ed)
            continue;
        ed->setProjectPathProvider([this] { return state().isOpen() ? state().path() : QString(); });
        ed->setPathToUrl([this](const QString &localPath) { return pathToUrlForOpenProject(localPath); });
        // Queued: the project closes every page, so the editor's drop handler
        // finishes before that happens.
        connect(ed, &thtmlrichedit::projectFileDropped, this, &ProjectController::projectFileDropped,
                Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection));
    }
}

void ProjectController::projectFileDropped(const QString &path)
{
    dropproject(path);
}

ProjectController::~ProjectController() = default;

ProjectState &ProjectController::state()
{
    ProjectState *shared = m_host.projectState();
    return shared ? *shared : *m_ownState;
}

void ProjectController::enableProjectCommands()
{
    for (const QString &name : projectCommands()) {
        if (QAction *action = m_host.command(name))
            action->setEnabled(true);
    }
}

Tprojoptionsroot *ProjectController::directoryPicker()
{
    if (!m_picker)
        m_picker = new Tprojoptionsroot(m_host.hostWindow());
    return m_picker;
}

void ProjectController::showProjectStatus(bool fileNameOnly)
{
    const QString &path = state().path();
    m_host.setProjectStatus(QStringLiteral("Project: ")
                            + (fileNameOnly ? ProjectPaths::fileName(path) : path));
}

bool ProjectController::testprojgemt()
{
    ProjectState &st = state();
    if (!st.isOpen() || !st.isModified())
        return true;
    const auto answer = interaction().askYesNoCancel(
        m_host.hostWindow(), kLumaro,
        QStringLiteral("Do you want to save changes to ") + st.path() + QStringLiteral(" ?"));
    if (answer == QMessageBox::Yes)
        return gemproject1Click(); // a cancelled or failed save keeps the project
    return answer == QMessageBox::No;
}

void ProjectController::nytproject1Click()
{
    if (!testprojgemt())
        return;
    if (!m_host.closeall())
        return;
    state().newProject();
    showProjectStatus(false);
    enableProjectCommands();
    emit projectChanged();
}

void ProjectController::SpeedButton106Click()
{
    if (!testprojgemt())
        return;
    FileDialogRequest request;
    request.filter = dialogFilter(kProjectFilter);
    request.directory = tregini().readlastdir();
    const QString file = interaction().openFile(m_host.hostWindow(), request);
    if (file.isEmpty())
        return;
    openProjectFile(file, true);
}

bool ProjectController::dropproject(const QString &path)
{
    if (!testprojgemt())
        return false;
    return openProjectFile(path, false);
}

bool ProjectController::openProjectFile(const QString &path, bool rememberDirectory)
{
    // The file is read before anything is closed, so a file that cannot be
    // read leaves the pages and the open project as they were.
    QByteArray image;
    QString error;
    if (!ProjectFile::read(path, &image, &error)) {
        interaction().warning(m_host.hostWindow(), kLumaro,
                              QStringLiteral("Cannot open %1: %2").arg(nativePath(path), error));
        return false;
    }
    EditorsBusy busy(m_host);
    if (!m_host.closeall())
        return false;
    ProjectState &st = state();
    st.openProject(path, image);
    enableProjectCommands();
    showProjectStatus(true);
    for (const ProjectRecord &record : st.records()) {
        if (!record.open)
            continue;
        if (m_host.pageCount() >= kPageSlots)
            break; // the pages beyond the limit are not opened
        m_host.openfilproj(record.path);
    }
    if (rememberDirectory)
        tregini().writelastdir(path);
    emit projectChanged();
    return true;
}

bool ProjectController::writeProject(const QString &fileName)
{
    QString error;
    if (ProjectFile::write(fileName, state().list(), &error))
        return true;
    interaction().warning(m_host.hostWindow(), kLumaro,
                          QStringLiteral("Cannot write %1: %2").arg(nativePath(fileName), error));
    return false;
}

bool ProjectController::gemproject1Click()
{
    ProjectState &st = state();
    if (!st.isOpen())
        return false;
    if (!st.isSaved())
        return gemprojectsom1Click();
    if (!writeProject(st.path()))
        return false;
    st.markSaved();
    emit projectChanged();
    return true;
}

bool ProjectController::gemprojectsom1Click()
{
    ProjectState &st = state();
    if (!st.isOpen())
        return false;
    FileDialogRequest request;
    request.filter = dialogFilter(kProjectFilter);
    request.fileName = st.path();
    request.directory = tregini().readlastdir();
    const QString chosen = interaction().saveFile(m_host.hostWindow(), request);
    if (chosen.isEmpty())
        return false;
    const QString fileName = ProjectPaths::extension(chosen).isEmpty() ? chosen + QStringLiteral(".lmp") : chosen;
    // Asked about the file that will be written, so that "web" does not
    // silently replace an existing "web.lmp".
    if (QFileInfo::exists(fileName)
        && !interaction().askYesNo(m_host.hostWindow(), kLumaro,
                                   QStringLiteral("Do you want to overwrite ") + fileName + QStringLiteral(" ?")))
        return false;

    QByteArray image = ProjectFile::normalized(st.list());
    image.replace(0, ProjectFile::HeaderSize, ProjectFile::header(fileName));
    QString error;
    if (!ProjectFile::write(fileName, image, &error)) {
        interaction().warning(m_host.hostWindow(), kLumaro,
                              QStringLiteral("Cannot write %1: %2").arg(nativePath(fileName), error));
        return false;
    }
    const QString oldPath = st.path();
    st.saveAs(fileName);
    showProjectStatus(true);
    tjekforapuapo(oldPath);
    emit projectChanged();
    return true;
}

void ProjectController::tjekforapuapo(const QString &oldPath)
{
    // An unsaved project ("Project 1") has no side files.
    if (oldPath == ProjectState::untitledPath())
        return;
    const QString newPath = state().path();
    for (const QString &extension : {QStringLiteral(".lmu"), QStringLiteral(".lmo")}) {
        const QString from = ProjectPaths::changeExtension(oldPath, extension);
        const QString to = ProjectPaths::changeExtension(newPath, extension);
        if (from == to || !QFileInfo(from).isFile())
            continue;
        QFile in(from);
        QSaveFile out(to);
        QString error;
        if (!in.open(QIODevice::ReadOnly))
            error = in.errorString();
        else if (!out.open(QIODevice::WriteOnly))
            error = out.errorString();
        else {
            const QByteArray bytes = in.readAll();
            if (out.write(bytes) != bytes.size() || !out.commit())
                error = out.errorString();
        }
        if (!error.isEmpty())
            interaction().warning(m_host.hostWindow(), kLumaro,
                                  QStringLiteral("Cannot copy %1 to %2: %3")
                                      .arg(nativePath(from), nativePath(to), error));
    }
}

void ProjectController::SpeedButton107Click()
{
    gemproject1Click();
    EditorsBusy busy(m_host);
    const int active = m_host.activePage();
    for (int slot = m_host.pageCount() - 1; slot >= 0; --slot)
        m_host.savePage(slot);
    if (m_host.pageCount() > 0)
        m_host.selectPage(qMin(active, m_host.pageCount() - 1));
}

void ProjectController::projectindstillinger1Click()
{
    ProjectState &st = state();
    if (!st.isSaved()) {
        interaction().message(m_host.hostWindow(),
                              {kLumaro, QStringLiteral("du skal gemme projectet først"), QMessageBox::Ok,
                               QMessageBox::NoIcon, QMessageBox::Ok});
        return;
    }
    Tprojectoptions dialog(st.optionsFileName(), directoryPicker(), m_host.hostWindow());
    DialogRunner::run(dialog);
}

int ProjectController::slotOfFile(const QString &fileName)
{
    for (int slot = 0; slot < m_host.pageCount(); ++slot) {
        if (m_host.pageFileName(slot) == fileName)
            return slot;
    }
    return -1;
}

void ProjectController::visprojectmanager1Click()
{
    ProjectState &st = state();
    if (!st.isOpen())
        return;
    Tprojmanager manager(st.list(), m_host.hostWindow());
    if (DialogRunner::run(manager) != QDialog::Accepted)
        return;
    st.replaceList(manager.rewrittenList());
    {
        EditorsBusy busy(m_host);
        bringPagesInLine();
    }
    emit projectChanged();
}

void ProjectController::bringPagesInLine()
{
    const QList<ProjectRecord> records = state().records();
    for (const ProjectRecord &record : records) {
        const int slot = slotOfFile(record.path);
        if (record.open && slot < 0) {
            if (m_host.pageCount() < kPageSlots)
                m_host.openfilproj(record.path);
        } else if (!record.open && slot >= 0) {
            m_host.lukfilproj(slot);
        }
    }
    for (int slot = m_host.pageCount() - 1; slot >= 0; --slot) {
        const QString name = m_host.pageFileName(slot);
        const bool named = std::any_of(records.cbegin(), records.cend(),
                                       [&](const ProjectRecord &r) { return r.path == name; });
        if (!named)
            m_host.lukfilproj(slot);
    }
}

void ProjectController::SpeedButton108Click()
{
    ProjectState &st = state();
    if (!st.isOpen())
        return;
    if (m_publishCheck && tinifil(st.optionsFileName()).readuseroot() && !m_publishCheck())
        return;
    Publisher::Job job;
    job.optionsFile = st.optionsFileName();
    job.pages = st.records();

    QProgressDialog progress(QStringLiteral("Publishing..."), QString(), 0, 1, m_host.hostWindow());
    progress.setWindowTitle(kLumaro);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    job.progress = [&progress](int done, int total) {
        if (progress.maximum() != total)
            progress.setMaximum(total);
        progress.setValue(done);
    };

    PublishReport report;
    {
        ScreenBusy busy;
        report = Publisher::publish(job);
    }
    progress.close();

    QWidget *window = m_host.hostWindow();
    if (report.rootOptionOff) {
        m_host.showStatus(QStringLiteral("Nothing published: the project uses no standard root"));
        return;
    }
    if (!report.ok) {
        interaction().warning(window, kLumaro, report.error);
        return;
    }
    m_host.showStatus(QStringLiteral("%1 %2 published to %3")
                          .arg(report.converted)
                          .arg(report.converted == 1 ? QStringLiteral("page") : QStringLiteral("pages"))
                          .arg(nativePath(report.targetDirectory)));
    QStringList parts;
    if (!report.outsideRoot.isEmpty())
        parts.append(QStringLiteral("These project files are not below the project root and were not published:\n")
                     + report.outsideRoot.join(u'\n'));
    if (!report.problems.isEmpty())
        parts.append(QStringLiteral("These files could not be published:\n") + report.problems.join(u'\n'));
    if (!parts.isEmpty())
        interaction().warning(window, kLumaro, parts.join(QStringLiteral("\n\n")));
}

void ProjectController::dropFiles(const QStringList &files)
{
    if (files.isEmpty())
        return;
    const QString &file = files.first();
    // The extension is compared exactly: "X.LMP" opens as a document.
    if (ProjectPaths::extension(file) == QLatin1String(".lmp"))
        dropproject(file);
    else
        m_host.openfilproj(file);
}

QString ProjectController::pathToUrlForOpenProject(const QString &localPath)
{
    return state().pathToUrl(localPath);
}

bool ProjectController::projectOpen()
{
    return state().isOpen();
}

void ProjectController::onPageOpened(const QString &fileName)
{
    ProjectState &st = state();
    if (!st.isOpen())
        return;
    // Only a new page gets a record; a file opened from disk does not.
    const int slot = slotOfFile(fileName);
    if (slot >= 0 && m_host.pageHasFile(slot))
        return;
    st.addRecord(fileName, true);
    emit projectChanged();
}

void ProjectController::onPageRenamed(const QString &oldName, const QString &newName)
{
    // Save As counts as a project change whenever a project is open, also
    // for a page the project has no record of.
    ProjectState &st = state();
    if (!st.isOpen())
        return;
    st.renameRecord(oldName, newName);
    st.setModified(true);
    emit projectChanged();
}

void ProjectController::onPageClosed(const QString &fileName)
{
    // Closing a page counts as a project change whenever a project is open.
    ProjectState &st = state();
    if (!st.isOpen())
        return;
    st.markClosed(fileName);
    st.setModified(true);
    emit projectChanged();
}

} // namespace lumaro
