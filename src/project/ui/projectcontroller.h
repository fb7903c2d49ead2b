#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace lumaro {

class PageHost;
class ProjectState;
class Tprojoptionsroot;

/// The project commands of the main window: New project, Open project, Save
/// project, Save project as, Save all, Project preferences, the project
/// manager and Publish, the question before a project is left, the opening
/// of a dropped or named project, the enabling of the project commands and
/// the status-bar panel "Project: ...".
///
/// It works on the main window through PageHost and on the project state
/// the host owns (PageHost::projectState(); a private one when the host has
/// none). Each command is connected to the host's action of its component
/// name when the host has one.
class ProjectController : public QObject {
    Q_OBJECT
public:
    explicit ProjectController(PageHost &host, QObject *parent = nullptr);
    ~ProjectController() override;

    ProjectState &state();

    // Commands, named after their handlers.
    /// "New project".
    void nytproject1Click();
    /// "Open project".
    void SpeedButton106Click();
    /// "Save project"; false when it was not saved (cancelled or failed).
    bool gemproject1Click();
    /// "Save project as"; false when it was not saved.
    bool gemprojectsom1Click();
    /// "Save all": the project, then every page from the last to the first.
    void SpeedButton107Click();
    /// "Project preferences".
    void projectindstillinger1Click();
    /// "Project&manager".
    void visprojectmanager1Click();
    /// "Publish".
    void SpeedButton108Click();

    /// Asks before a modified project is left (New, Open, closing the main
    /// window); false when the user cancelled, or chose to save and the save
    /// did not happen.
    bool testprojgemt();
    /// Opens a project file dropped on the window or named on the command
    /// line; false when it was not opened.
    bool dropproject(const QString &path);
    /// Copies the side files (".lmu", ".lmo") of the project at oldPath to
    /// those of the current project path, replacing them.
    void tjekforapuapo(const QString &oldPath);
    /// The main window's drop handler: the first file opens as a project when
    /// its extension is exactly ".lmp", else as a page.
    void dropFiles(const QStringList &files);

    /// The text for a tag naming a local file, for the editor's drop handler
    /// and the tag commands: the path-to-URL conversion while a project is
    /// open, else the file name without directory.
    QString pathToUrlForOpenProject(const QString &localPath);
    /// Whether a project is open (for the editor's path provider).
    bool projectOpen();

    /// Connects the host's 15 page editors to the open project: their drop
    /// handlers get the project path and the path-to-URL conversion, and a
    /// project file dropped on a page opens the project. Done by the
    /// constructor; call again if the host replaces its editors.
    void attachEditors();

    /// Asked by Publish before anything is copied (for a project that uses
    /// a standard root); publishing goes on only when it answers true.
    void setPublishCheck(std::function<bool()> check) { m_publishCheck = std::move(check); }

    /// Enables the project commands (after New, Open and drop).
    void enableProjectCommands();
    /// The long-lived directory picker of the project preferences.
    Tprojoptionsroot *directoryPicker();

public slots:
    /// A page was opened or created: a new page (one without a file) gets a
    /// record of its untitled name, open.
    void onPageOpened(const QString &fileName);
    /// A page was saved under a new name: its record follows.
    void onPageRenamed(const QString &oldName, const QString &newName);
    /// A page was closed: its record is marked closed.
    void onPageClosed(const QString &fileName);

signals:
    /// The project was created, opened, saved or changed its list.
    void projectChanged();

private:
    void projectFileDropped(const QString &path);
    bool openProjectFile(const QString &path, bool rememberDirectory);
    bool writeProject(const QString &fileName);
    void showProjectStatus(bool fileNameOnly);
    void bringPagesInLine();
    int slotOfFile(const QString &fileName);

    PageHost &m_host;
    std::unique_ptr<ProjectState> m_ownState;
    Tprojoptionsroot *m_picker = nullptr;
    std::function<bool()> m_publishCheck;
};

} // namespace lumaro
