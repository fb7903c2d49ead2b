#include "mainwindow.h"
#include "aboutbox.h"
#include "checkcontroller.h"
#include "linkcheckcontroller.h"
#include "commandline.h"
#include "commandregistry.h"
#include "commandtable.h"
#include "convertcontroller.h"
#include "convsave.h"
#include "filecommands.h"
#include "fontpagecontroller.h"
#include "formfieldcontroller.h"
#include "formcontroller.h"
#include "framecontroller.h"
#include "helpcommands.h"
#include "helpservice.h"
#include "interaction.h"
#include "livepreviewcontroller.h"
#include "mailcontroller.h"
#include "pagemanager.h"
#include "positionfield.h"
#include "preferencescommand.h"
#include "previewcontroller.h"
#include "printcontroller.h"
#include "projectcontroller.h"
#include "projectstate.h"
#include "recoverycontroller.h"
#include "replacecontroller.h"
#include "rulelistcontroller.h"
#include "searchcontroller.h"
#include "mapbuildercontroller.h"
#include "imagelinkcontroller.h"
#include "tagcontroller.h"
#include "uploadcontroller.h"
#include "thtmlrichedit.h"
#include "tregini.h"
#include "specialcharpalette.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplashScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <limits>

namespace lumaro {

namespace {

constexpr int kSpeedPanelHeight = 63;
constexpr int kFixedToolbarWidth = 220;
constexpr int kButtonSize = 25;
constexpr int kPaletteHeight = 900;
const int kStatusWidths[3] = {70, 300, 100};

QString clipboardText()
{
    const QClipboard *clipboard = QGuiApplication::clipboard();
    return clipboard ? clipboard->text() : QString();
}

} // namespace

TMainwindow::TMainwindow(const QStringList &arguments, QWidget *parent)
    : QMainWindow(parent)
    , m_arguments(arguments)
{
    setObjectName(QStringLiteral("Mainwindow"));
    FormCreate();
}

TMainwindow::~TMainwindow()
{
    // The controllers work on the pages and the project state: they go
    // first, then the file commands, while the page table still exists.
    while (!m_controllers.isEmpty())
        delete m_controllers.takeLast();
    delete m_files;
    m_files = nullptr;
}

// --- Creation -------------------------------------------------------------

void TMainwindow::FormCreate()
{
    m_settings = std::make_unique<tregini>();

    m_commands = new CommandRegistry(this);
    m_commands->createAll();

    auto *central = new QWidget(this);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(buildSpeedPanel());
    column->addWidget(buildToolsSpeedBar());
    m_edittab = new QTabBar(central);
    m_edittab->setObjectName(QStringLiteral("edittab"));
    m_edittab->setExpanding(false);
    m_edittab->setUsesScrollButtons(true);
    m_edittab->setDrawBase(true);
    m_edittab->setFocusPolicy(Qt::TabFocus);
    column->addWidget(m_edittab);
    column->addWidget(buildClientArea(), 1);
    setCentralWidget(central);

    buildMenus();
    buildStatusBar();

    // The page commands are off until the first page exists.
    disablevedstart();
    startup();

    // From here on, connecting a handler to a command makes it available.
    m_commands->seal();
    wireCommands();
    wireEditors();
    createControllers();

    setWindowTitle(m_pages->caption());
    setWindowIcon(QIcon(QStringLiteral(":/glyphs/lumaro.svg")));
    placeWindow();
    setAcceptDrops(true);
}

void TMainwindow::startup()
{
    m_pages = new PageManager(m_edittab, m_editorArea, this);
    m_files = new FileCommands(*m_pages, this);

    // Autosave: the interval is fixed for the run.
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    connect(m_timer, &QTimer::timeout, this, &TMainwindow::Timer1Timer);
    const QString time = m_settings->readautosavetime();
    int minutes = 0;
    const bool valid = tregini::parseInteger(time.trimmed(), &minutes);
    if (m_settings->readautosaveok()) {
        if (valid && minutes > 0) {
            // Longer than a timer can count is as good as never.
            constexpr int maxMinutes = std::numeric_limits<int>::max() / 60000;
            m_timer->setInterval(std::min(minutes, maxMinutes) * 60000);
            m_timer->start();
        } else if (valid) {
            // No interval ("0" or below): no autosave, and nothing is wrong.
        } else {
            // A bad interval leaves autosave off for this run instead of
            // stopping the start-up; the user is told why.
            interaction().warning(this, QStringLiteral("Lumaro"),
                                  QStringLiteral("'%1' is not a valid integer value").arg(time));
        }
    }

    setToolsSpeedBarVisible(m_settings->readutilspeedbar());
}

void TMainwindow::buildMenus()
{
    for (const MenuEntry &entry : CommandTable::mainMenu())
        menuBar()->addMenu(buildMenu(entry.name, entry.entries, this));

    m_popupMenu = buildMenu(QStringLiteral("PopupMenu1"), CommandTable::pageMenu(), this);
}

QMenu *TMainwindow::buildMenu(const QString &name, const QList<MenuEntry> &entries, QWidget *parent)
{
    auto *menu = new QMenu(parent);
    menu->setObjectName(name);
    if (const CommandInfo *info = CommandTable::find(name)) {
        menu->setTitle(info->caption);
        menu->menuAction()->setStatusTip(info->hint);
        m_commands->add(name, menu->menuAction());
    }
    for (const MenuEntry &entry : entries) {
        switch (entry.kind) {
        case MenuEntry::Separator:
            menu->addSeparator();
            break;
        case MenuEntry::Submenu:
            menu->addMenu(buildMenu(entry.name, entry.entries, menu));
            break;
        case MenuEntry::Command:
            if (QAction *action = m_commands->command(entry.name))
                menu->addAction(action);
            break;
        }
    }
    return menu;
}

QToolButton *TMainwindow::makeButton(const QString &name, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    if (QAction *action = m_commands->command(name))
        button->setDefaultAction(action);
    const CommandInfo *info = CommandTable::find(name);
    if (info && info->glyph.isEmpty()) {
        // The phrase-tag buttons carry their short captions.
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        QFont small = button->font();
        small.setPointSizeF(std::max(7.0, small.pointSizeF() - 1));
        button->setFont(small);
        button->setFixedHeight(kButtonSize);
        button->setMinimumWidth(kButtonSize);
    } else {
        button->setIconSize(QSize(20, 20));
        button->setFixedSize(kButtonSize, kButtonSize);
    }
    return button;
}

QWidget *TMainwindow::buildSpeedPanel()
{
    m_speedPanel = new QFrame;
    m_speedPanel->setObjectName(QStringLiteral("SpeedPanel"));
    m_speedPanel->setFixedHeight(kSpeedPanelHeight);
    auto *row = new QHBoxLayout(m_speedPanel);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    // The fixed toolbar: two rows of buttons and a separator, 220 pixels wide.
    m_fixedBar = new QWidget(m_speedPanel);
    m_fixedBar->setObjectName(QStringLiteral("FixedToolbar"));
    m_fixedBar->setFixedWidth(kFixedToolbarWidth);
    auto *fixedRow = new QHBoxLayout(m_fixedBar);
    fixedRow->setContentsMargins(4, 5, 0, 5);
    fixedRow->setSpacing(0);
    auto *grid = new QGridLayout;
    grid->setSpacing(1);
    const QStringList *rows[2] = {&CommandTable::fixedRow1(), &CommandTable::fixedRow2()};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < rows[r]->size(); ++c)
            grid->addWidget(makeButton(rows[r]->at(c), m_fixedBar), r, c);
    fixedRow->addLayout(grid);
    fixedRow->addStretch(1);
    auto *separator = new QFrame(m_fixedBar);
    separator->setFrameShape(QFrame::VLine);
    separator->setFrameShadow(QFrame::Sunken);
    fixedRow->addWidget(separator);
    row->addWidget(m_fixedBar);

    // The tool tabs fill the rest; they show only while a page is open.
    m_speedbartab = new QTabWidget(m_speedPanel);
    m_speedbartab->setObjectName(QStringLiteral("speedbartab"));
    m_speedbartab->setDocumentMode(true);
    m_speedbartab->setFocusPolicy(Qt::NoFocus);
    for (const ToolTab &tab : CommandTable::toolTabs()) {
        auto *page = new QWidget;
        auto *buttons = new QHBoxLayout(page);
        buttons->setContentsMargins(3, 3, 3, 2);
        buttons->setSpacing(1);
        for (const QString &name : tab.buttons)
            buttons->addWidget(makeButton(name, page));
        buttons->addStretch(1);
        m_speedbartab->addTab(page, tab.caption);
    }
    auto *tabHost = new QWidget(m_speedPanel);
    auto *tabLayout = new QHBoxLayout(tabHost);
    tabLayout->setContentsMargins(0, 0, 0, 0);
    tabLayout->addWidget(m_speedbartab);
    row->addWidget(tabHost, 1);
    return m_speedPanel;
}

QWidget *TMainwindow::buildToolsSpeedBar()
{
    m_panel4 = new QFrame;
    m_panel4->setObjectName(QStringLiteral("Panel4"));
    m_panel4->setFrameShape(QFrame::StyledPanel);
    auto *row = new QHBoxLayout(m_panel4);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(1);
    for (const QString &name : CommandTable::toolsBar())
        row->addWidget(makeButton(name, m_panel4));
    row->addStretch(1);
    m_panel4->hide();
    return m_panel4;
}

QWidget *TMainwindow::buildClientArea()
{
    auto *client = new QWidget;
    auto *row = new QHBoxLayout(client);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    // Panel2: the special characters palette in a scroll box.
    m_panel2 = new QFrame(client);
    m_panel2->setObjectName(QStringLiteral("Panel2"));
    m_panel2->setFrameShape(QFrame::StyledPanel);
    auto *panel2Layout = new QVBoxLayout(m_panel2);
    panel2Layout->setContentsMargins(0, 0, 0, 0);
    m_scrollBox = new QScrollArea(m_panel2);
    m_scrollBox->setObjectName(QStringLiteral("ScrollBox1"));
    m_scrollBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollBox->setWidgetResizable(false);
    m_paletteHost = new QWidget;
    m_paletteHost->setObjectName(QStringLiteral("PaletteHost"));
    m_paletteHost->resize(60, kPaletteHeight);
    m_scrollBox->setWidget(m_paletteHost);
    panel2Layout->addWidget(m_scrollBox);
    m_panel2->setFixedWidth(60 + m_scrollBox->verticalScrollBar()->sizeHint().width() + 4);
    m_panel2->hide();
    row->addWidget(m_panel2);

    // Panel3: the four entity buttons.
    m_panel3 = new QFrame(client);
    m_panel3->setObjectName(QStringLiteral("Panel3"));
    m_panel3->setFrameShape(QFrame::StyledPanel);
    auto *panel3Layout = new QVBoxLayout(m_panel3);
    panel3Layout->setContentsMargins(3, 3, 3, 3);
    panel3Layout->setSpacing(2);
    for (const QString &name : CommandTable::entityButtons()) {
        QToolButton *button = makeButton(name, m_panel3);
        button->setFixedWidth(kButtonSize + 4);
        panel3Layout->addWidget(button);
    }
    panel3Layout->addStretch(1);
    m_panel3->hide();
    row->addWidget(m_panel3);

    m_editorArea = new QWidget(client);
    m_editorArea->setObjectName(QStringLiteral("EditorArea"));
    row->addWidget(m_editorArea, 1);
    return client;
}

void TMainwindow::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setSizeGripEnabled(true);
    for (int i = 0; i < 3; ++i) {
        // Panel 0, the cursor position, grows with the page's widest position.
        auto *panel = i == 0 ? new PositionField(kStatusWidths[i], bar) : new QLabel(bar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setTextFormat(Qt::PlainText);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setFixedWidth(kStatusWidths[i]);
        panel->setIndent(3);
        m_statusPanels[i] = panel;
        bar->addWidget(panel);
    }
}

void TMainwindow::wireCommands()
{
    const auto on = [this](std::initializer_list<const char *> names, auto handler) {
        for (const char *name : names)
            m_commands->handle(QLatin1String(name), this, handler);
    };
    on({"FileNew", "New1", "newbtn"}, [this] { m_files->FileNew(); });
    on({"FileOpen", "Open1", "OpenBtn"}, [this] { m_files->FileOpen(); });
    on({"FileSave", "Save1", "SaveBtn"}, [this] { m_files->FileSave(); });
    on({"FileSaveAs", "Saveas1"}, [this] { m_files->FileSaveAs(); });
    on({"Luksiden1", "Closepage1"}, [this] { m_pages->Luksiden1Click(); });
    on({"FileExit"}, [this] { FileExit(); });
    on({"About"}, [this] { About(); });
    on({"Klip1", "Cut1", "cutbtn"}, [this] { editorCommand(&thtmlrichedit::editcut); });
    on({"Kopier1", "Copy1", "copybtn"}, [this] { editorCommand(&thtmlrichedit::editcopy); });
    on({"Stind1", "Paste1", "pastebtn"}, [this] { editorCommand(&thtmlrichedit::editpaste); });
    for (const QString &name : CommandTable::entityButtons())
        m_commands->handle(name, this, [this, name] { writeEntity(name); });

    connect(command(QStringLiteral("SpeedButton101")), &QAction::toggled, this,
            &TMainwindow::setToolsSpeedBarVisible);
    connect(command(QStringLiteral("SpeedButton96")), &QAction::toggled, this,
            &TMainwindow::setEntityPanelVisible);

    connect(m_pages, &PageManager::captionChanged, this, &QWidget::setWindowTitle);
    connect(m_pages, &PageManager::pageCommandsEnabled, this, [this](bool open) {
        if (open)
            enablevedopen();
        else
            disablevedstart();
    });
    connect(m_pages, &PageManager::cursorPositionChanged, this,
            [this](const QString &text) {
                const thtmlrichedit *ed = m_pages->activeEditor();
                static_cast<PositionField *>(m_statusPanels[0])
                    ->showPosition(text, ed ? ed->lineCount() : 1, ed ? ed->textLength() : 0);
            });
    connect(m_pages, &PageManager::cutCopyAvailable, this, [this](bool on) {
        m_commands->setAvailable(QStringLiteral("cutbtn"), on);
        m_commands->setAvailable(QStringLiteral("copybtn"), on);
    });
    connect(m_pages, &PageManager::pasteAvailable, this,
            [this](bool on) { m_commands->setAvailable(QStringLiteral("pastebtn"), on); });
    // Paste follows the clipboard as it changes, not only when pages switch.
    if (QClipboard *clipboard = QGuiApplication::clipboard()) {
        connect(clipboard, &QClipboard::dataChanged, this, [this] {
            m_commands->setAvailable(QStringLiteral("pastebtn"), !clipboardText().isEmpty());
        });
    }
}

void TMainwindow::createControllers()
{
    // The project state belongs to the window; the project commands work on it.
    m_ownProjectState = std::make_unique<ProjectState>();
    m_projectState = m_ownProjectState.get();
    auto *project = new ProjectController(*this, this);
    m_controllers.append(project);
    m_projectCloseCheck = [project] { return project->testprojgemt(); };
    m_projectOpener = [project](const QString &fileName) { project->dropproject(fileName); };
    m_dropHandler = [project](const QStringList &files) { project->dropFiles(files); };
    connect(m_pages, &PageManager::pageOpened, project, &ProjectController::onPageOpened);
    connect(m_pages, &PageManager::pageRenamed, project, &ProjectController::onPageRenamed);
    connect(m_pages, &PageManager::pageClosed, project, &ProjectController::onPageClosed);

    m_controllers.append(new TagController(*this, this));
    m_controllers.append(new FontPageController(*this, this));
    m_controllers.append(new RuleListController(*this, this));
    m_controllers.append(new FormFieldController(*this, this));
    m_controllers.append(new MapBuilderController(*this, this));
    m_controllers.append(new ImageLinkController(*this, this));
    m_controllers.append(new FrameController(*this, this));
    m_controllers.append(new FormController(*this, this));
    m_controllers.append(new ConvertController(*this, this));
    m_controllers.append(new SearchController(*this, this));
    m_controllers.append(new ReplaceController(*this, this));
    m_controllers.append(new PreviewController(*this, this));
    m_controllers.append(new PrintController(*this, this));
    m_controllers.append(new MailController(*this, this));
    m_controllers.append(new HelpCommands(*this, this));
    m_controllers.append(new PreferencesCommand(*this, m_timer, this));
    auto *check = new CheckController(*this, this);
    m_controllers.append(check);
    auto *links = new LinkCheckController(*this, *check, this);
    m_controllers.append(links);
    project->setPublishCheck([links] { return links->confirmPublish(); });
    m_controllers.append(new RecoveryController(*this, this));
    auto *upload = new UploadController(*this, this);
    m_controllers.append(upload);
    connect(project, &ProjectController::projectChanged, upload, &UploadController::updateEnabled);
    m_controllers.append(new LivePreviewController(*this, this));
    // Queued: the page manager settles the active page after the tab signal.
    connect(m_edittab, &QTabBar::currentChanged, check, &CheckController::activePageChanged, Qt::QueuedConnection);
    setSpecialCharactersPanel([this](QWidget *parent) -> QWidget * { return new Tspeccharform(*this, parent); });

    // Special characters become entities in the file and characters again
    // in the page, when the "convsave" setting is on.
    PageConversionHooks hooks;
    hooks.beforeSave = [](thtmlrichedit &ed, QString *error) { return convsaveBeforeSave(ed, error); };
    hooks.afterSave = [this](thtmlrichedit &ed) {
        QString error;
        // The page manager settles the modified flag once it knows whether the write worked.
        if (!convsaveAfterSave(ed, false, &error))
            interaction().warning(this, QStringLiteral("Lumaro"), error);
    };
    hooks.afterLoad = [](thtmlrichedit &ed, QString *error) { return convsaveAfterLoad(ed, error); };
    m_pages->setConversionHooks(hooks);
}

void TMainwindow::wireEditors()
{
    for (int slot = 0; slot < PageManager::kSlots; ++slot) {
        thtmlrichedit *ed = m_pages->editor(slot);
        if (!ed)
            continue;
        ed->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(ed, &QWidget::customContextMenuRequested, this,
                [this, ed](const QPoint &pos) { m_popupMenu->popup(ed->viewport()->mapToGlobal(pos)); });
    }
}

QRect TMainwindow::placeOnScreens(const QRect &stored, const QList<QRect> &screens, const QSize &minimum)
{
    QRect rect = stored;
    rect.setWidth(std::max(rect.width(), minimum.width()));
    rect.setHeight(std::max(rect.height(), minimum.height()));
    if (screens.isEmpty())
        return rect;
    for (const QRect &screen : screens)
        if (screen.intersects(rect))
            return rect;
    // Stored on a screen that is no longer there: bring it back into view.
    rect.moveTopLeft(screens.first().topLeft());
    return rect;
}

void TMainwindow::placeWindow()
{
    const QRect stored(m_settings->readmainsizex(), m_settings->readmainsizey(), m_settings->readmainsizew(),
                       m_settings->readmainsizeh());
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    const QRect rect = placeOnScreens(stored, screens, QSize(200, 150));
    move(rect.topLeft());
    resize(rect.size());
}

// --- PageHost ---------------------------------------------------------------

int TMainwindow::pageCount() const { return m_pages->pageCount(); }
int TMainwindow::activePage() const { return m_pages->activePage(); }
thtmlrichedit *TMainwindow::editor(int slot) { return m_pages->editor(slot); }
QString TMainwindow::pageFileName(int slot) const { return m_pages->pageFileName(slot); }
bool TMainwindow::pageHasFile(int slot) const { return m_pages->pageHasFile(slot); }
quint64 TMainwindow::pageId(int slot) const { return m_pages->pageId(slot); }
void TMainwindow::selectPage(int slot) { m_pages->selectPage(slot); }
bool TMainwindow::openfilproj(const QString &fileName) { return m_pages->openfilproj(fileName); }
bool TMainwindow::newPageWithText(const QString &text) { return m_pages->newPage(text); }
void TMainwindow::lukfilproj(int slot) { m_pages->lukfilproj(slot); }
bool TMainwindow::closeall() { return m_pages->closeall(); }
bool TMainwindow::savePage(int slot) { return m_files->saveSlot(slot); }
QAction *TMainwindow::command(const QString &name) { return m_commands->command(name); }
void TMainwindow::showStatus(const QString &text) { m_statusPanels[1]->setText(text); }
void TMainwindow::setProjectStatus(const QString &text) { m_statusPanels[2]->setText(text); }

QString TMainwindow::statusPanelText(int panel) const
{
    return (panel >= 0 && panel < 3) ? m_statusPanels[panel]->text() : QString();
}

// --- Handlers -----------------------------------------------------------------

void TMainwindow::FormShow()
{
    if (m_shown)
        return;
    m_shown = true;

    const auto absolute = [](const QString &name) { return QFileInfo(name).absoluteFilePath(); };
    const QString project = CommandLine::projectToOpen(m_arguments);
    if (!project.isEmpty() && m_projectOpener)
        m_projectOpener(absolute(project));
    for (const QString &document : CommandLine::documentsToOpen(m_arguments))
        openfilproj(absolute(document));
    if (m_arguments.isEmpty())
        m_files->FileNew();

    if (m_splash) {
        m_splash->finish(this);
        m_splash->deleteLater();
    }
    FormResize();
    emit startupFinished();
}

void TMainwindow::FormResize()
{
    // The layout gives the tool tabs the speed panel's width less the fixed
    // toolbar; this only keeps them from asking for more.
    m_speedbartab->setMaximumWidth(std::max(0, m_speedPanel->width() - kFixedToolbarWidth));
}

void TMainwindow::ShowHint(const QString &hint)
{
    m_statusPanels[1]->setText(hint);
}

void TMainwindow::Timer1Timer()
{
    if (m_pages->pageCount() == 0)
        return;
    const int slot = m_pages->activePage();
    thtmlrichedit *ed = m_pages->editor(slot);
    if (m_pages->pageHasFile(slot) && ed && ed->isModified())
        m_pages->editsavetofile(m_pages->pageFileName(slot));
}

void TMainwindow::FileExit()
{
    close();
}

void TMainwindow::About()
{
    TAboutBox box(this);
    box.exec();
}

bool TMainwindow::FormCloseQuery()
{
    const int remembered = m_pages->activePage();
    for (int slot = 0; slot < m_pages->pageCount(); ++slot) {
        thtmlrichedit *ed = m_pages->editor(slot);
        if (!ed || !ed->isModified())
            continue;
        m_pages->selectPage(slot);
        // Cancel, and a Yes whose save did not happen (Save As cancelled or
        // the write failed), keep the program running: nothing is lost.
        if (!m_pages->saveQuestion(slot)) {
            if (remembered < m_pages->pageCount())
                m_pages->selectPage(remembered);
            return false;
        }
    }
    if (m_projectCloseCheck && !m_projectCloseCheck())
        return false;

    m_settings->writeutilspeedbar(m_toolsBarVisible);
    m_settings->writemainsize(x(), y(), width(), height());
    return true;
}

void TMainwindow::enablevedopen()
{
    m_commands->setPagesOpen(true);
    m_speedbartab->show();
}

void TMainwindow::disablevedstart()
{
    m_commands->setPagesOpen(false);
    m_speedbartab->hide();
}

// --- Side panels and toggles -------------------------------------------------------

QWidget *TMainwindow::sidePanel(int index) const
{
    if (index == 2)
        return m_paletteHost;
    if (index == 3)
        return m_panel3;
    return nullptr;
}

void TMainwindow::setToolsSpeedBarVisible(bool on)
{
    m_toolsBarVisible = on;
    m_panel4->setVisible(on);
    QAction *toggle = command(QStringLiteral("SpeedButton101"));
    if (toggle->isChecked() != on)
        toggle->setChecked(on);
}

void TMainwindow::setEntityPanelVisible(bool on)
{
    m_panel3->setVisible(on);
}

void TMainwindow::setSpecialCharactersPanel(std::function<QWidget *(QWidget *)> factory)
{
    const bool first = !m_paletteFactory;
    m_paletteFactory = std::move(factory);
    if (first)
        connect(command(QStringLiteral("SpeedButton9")), &QAction::toggled, this,
                &TMainwindow::setSpecialCharactersVisible);
}

void TMainwindow::setSpecialCharactersVisible(bool on)
{
    if (on && !m_palette && m_paletteFactory) {
        m_palette = m_paletteFactory(m_paletteHost);
        if (m_palette) {
            m_palette->setGeometry(0, 0, std::max(m_palette->sizeHint().width(), 60), kPaletteHeight);
            m_paletteHost->resize(m_palette->width(), kPaletteHeight);
            m_panel2->setFixedWidth(m_palette->width() + m_scrollBox->verticalScrollBar()->sizeHint().width() + 4);
            m_palette->show();
        }
    } else if (!on && m_palette) {
        delete m_palette;
    }
    m_panel2->setVisible(on);
}

void TMainwindow::writeEntity(const QString &name)
{
    // A plain replacement of the selection: the entity is not recoloured.
    if (thtmlrichedit *ed = activeEditor())
        ed->replaceSel(CommandTable::entityText(name));
}

void TMainwindow::editorCommand(void (thtmlrichedit::*operation)())
{
    if (thtmlrichedit *ed = activeEditor())
        (ed->*operation)();
}

void TMainwindow::setSplash(QSplashScreen *splash)
{
    m_splash = splash;
}

// --- Events -------------------------------------------------------------------------

bool TMainwindow::event(QEvent *event)
{
    if (event->type() == QEvent::StatusTip) {
        ShowHint(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TMainwindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shown)
        QTimer::singleShot(0, this, &TMainwindow::FormShow);
}

void TMainwindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TMainwindow::closeEvent(QCloseEvent *event)
{
    if (FormCloseQuery()) {
        event->accept();
        // Closing the main window ends the program: the help viewer goes too.
        help().closeViewer();
    } else {
        event->ignore();
    }
}

void TMainwindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TMainwindow::dropEvent(QDropEvent *event)
{
    if (openDroppedFiles(event->mimeData()->urls()))
        event->acceptProposedAction();
}

bool TMainwindow::openDroppedFiles(const QList<QUrl> &urls)
{
    // The first dropped file opens: a project as the project, anything else
    // as a page, under its own name (file names are case-sensitive here).
    for (const QUrl &url : urls) {
        if (!url.isLocalFile())
            continue;
        const QString file = url.toLocalFile();
        // Only the exact extension ".lmp" is a project: the project
        // commands' own drop rule decides.
        if (m_dropHandler)
            m_dropHandler({file});
        else
            openfilproj(file);
        return true;
    }
    return false;
}

} // namespace lumaro
