#pragma once

#include "pagehost.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <memory>

class QFrame;
class QLabel;
class QMenu;
class QScrollArea;
class QSplashScreen;
class QTabBar;
class QTabWidget;
class QTimer;
class QToolButton;

namespace lumaro {

class CommandRegistry;
struct MenuEntry;
class FileCommands;
class PageManager;
class tregini;

/// The program's main window: the owner of the document pages, the command
/// surface (menus, fixed toolbar, tools speed bar, tool tabs, side panels),
/// the status bar with its hint panel, and the autosave timer.
///
/// The window is thin: the page table lives in PageManager, the file
/// commands in FileCommands, and every other subsystem reaches the window
/// through PageHost. Each component of the command surface is a QAction
/// registered by its component name (command()); a command stays disabled
/// until a handler is connected to its action, so nothing pretends to work.
class TMainwindow : public QMainWindow, public PageHost {
    Q_OBJECT
public:
    /// The arguments are the command line without the program name; the
    /// files they name open when the window is first shown.
    explicit TMainwindow(const QStringList &arguments = {}, QWidget *parent = nullptr);
    ~TMainwindow() override;

    // PageHost.
    QWidget *hostWindow() override { return this; }
    int pageCount() const override;
    int activePage() const override;
    thtmlrichedit *editor(int slot) override;
    QString pageFileName(int slot) const override;
    bool pageHasFile(int slot) const override;
    quint64 pageId(int slot) const override;
    void selectPage(int slot) override;
    bool openfilproj(const QString &fileName) override;
    bool newPageWithText(const QString &text) override;
    void lukfilproj(int slot) override;
    bool closeall() override;
    bool savePage(int slot) override;
    QAction *command(const QString &name) override;
    void showStatus(const QString &text) override;
    void setProjectStatus(const QString &text) override;
    ProjectState *projectState() override { return m_projectState; }

    // Event handlers of the window.
    /// First showing: opens the project and documents named on the command
    /// line, or one new page when there are no arguments; ends the splash.
    void FormShow();
    /// Keeps the tool tabs as wide as the speed panel less the fixed toolbar.
    void FormResize();
    /// The application's hint: shown in status panel 1.
    void ShowHint(const QString &hint);
    /// Autosave: saves the active page when it has a file and is modified.
    void Timer1Timer();
    /// "E&xit": closes the window, which asks the save questions first.
    void FileExit();
    /// "&About...": the about box.
    void About();
    /// The close question: asks about every modified page and the project;
    /// on yes stores the window geometry and the tools speed bar state.
    /// False keeps the program running with the pages as they were.
    bool FormCloseQuery();
    /// Enables the commands that need a page / disables them.
    void enablevedopen();
    void disablevedstart();

    // Wiring for the other subsystems.
    PageManager &pages() { return *m_pages; }
    FileCommands &files() { return *m_files; }
    CommandRegistry &commands() { return *m_commands; }
    /// The project state the project commands work on (the window's own by
    /// default).
    void setProjectState(ProjectState *state) { m_projectState = state; }
    /// Asked before the window closes whether the project may be closed
    /// (the project's save question; the project commands install it).
    void setProjectCloseCheck(std::function<bool()> check) { m_projectCloseCheck = std::move(check); }
    /// Opens a project file named on the command line or dropped on the
    /// window (the project commands install it).
    void setProjectOpener(std::function<void(const QString &)> opener) { m_projectOpener = std::move(opener); }
    /// A side panel's content area: 2 is the special characters panel (a
    /// scroll box), 3 the entity panel. nullptr for any other index.
    QWidget *sidePanel(int index) const;
    /// Makes the "Special characters" toggle work: pressed, it creates the
    /// palette with the factory inside side panel 2 and shows the panel;
    /// released, it frees the palette and hides the panel.
    void setSpecialCharactersPanel(std::function<QWidget *(QWidget *parent)> factory);
    /// Files dropped on the window: the first local file opens by the
    /// project commands' drop rule (exactly ".lmp" is a project), any other
    /// file as a page. False when no local file was dropped.
    bool openDroppedFiles(const QList<QUrl> &urls);
    /// The splash screen, freed at the end of FormShow.
    void setSplash(QSplashScreen *splash);

    // State for tests and other parts.
    QStringList arguments() const { return m_arguments; }
    QTimer *autosaveTimer() const { return m_timer; }
    QString statusPanelText(int panel) const;
    QTabBar *edittab() const { return m_edittab; }
    QTabWidget *speedbartab() const { return m_speedbartab; }
    QFrame *speedPanel() const { return m_speedPanel; }
    QFrame *toolsSpeedBar() const { return m_panel4; }
    QMenu *pageContextMenu() const { return m_popupMenu; }

    /// Where a window stored at rect is placed on screens with the given
    /// available areas: unchanged when part of it is on a screen, otherwise
    /// moved to the first screen's corner; never smaller than minimum.
    static QRect placeOnScreens(const QRect &stored, const QList<QRect> &screens, const QSize &minimum);

signals:
    /// FormShow has opened the pages of the command line (the recovery
    /// offer follows it).
    void startupFinished();

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void FormCreate();
    void startup();
    void buildMenus();
    QMenu *buildMenu(const QString &name, const QList<MenuEntry> &entries, QWidget *parent);
    QWidget *buildSpeedPanel();
    QWidget *buildToolsSpeedBar();
    QWidget *buildClientArea();
    void buildStatusBar();
    QToolButton *makeButton(const QString &name, QWidget *parent);
    void wireCommands();
    void wireEditors();
    /// The commands of the other subsystems, each connected by its controller.
    void createControllers();
    void placeWindow();
    void setToolsSpeedBarVisible(bool on);
    void setEntityPanelVisible(bool on);
    void setSpecialCharactersVisible(bool on);
    void writeEntity(const QString &name);
    void editorCommand(void (thtmlrichedit::*operation)());

    QStringList m_arguments;
    std::unique_ptr<tregini> m_settings;
    CommandRegistry *m_commands = nullptr;
    PageManager *m_pages = nullptr;
    FileCommands *m_files = nullptr;
    QTimer *m_timer = nullptr;

    QFrame *m_speedPanel = nullptr;
    QWidget *m_fixedBar = nullptr;
    QTabWidget *m_speedbartab = nullptr;
    QFrame *m_panel4 = nullptr;
    QTabBar *m_edittab = nullptr;
    QFrame *m_panel2 = nullptr;
    QScrollArea *m_scrollBox = nullptr;
    QWidget *m_paletteHost = nullptr;
    QPointer<QWidget> m_palette;
    QFrame *m_panel3 = nullptr;
    QWidget *m_editorArea = nullptr;
    QMenu *m_popupMenu = nullptr;
    QLabel *m_statusPanels[3] = {nullptr, nullptr, nullptr};

    QList<QObject *> m_controllers;
    std::unique_ptr<ProjectState> m_ownProjectState;
    ProjectState *m_projectState = nullptr;
    std::function<bool()> m_projectCloseCheck;
    std::function<void(const QString &)> m_projectOpener;
    std::function<void(const QStringList &)> m_dropHandler;
    std::function<QWidget *(QWidget *)> m_paletteFactory;
    QPointer<QSplashScreen> m_splash;
    bool m_shown = false;
    bool m_toolsBarVisible = false;
};

} // namespace lumaro
