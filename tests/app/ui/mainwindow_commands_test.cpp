// The main window's command surface: every component with its caption, hint
// and key; where each one appears; the rules that enable them; the side
// panels, the hint panel and the context menu.
#include "commandregistry.h"
#include "commandtable.h"
#include "glyphs.h"
#include "filecommands.h"
#include "mainwindow.h"
#include "pagemanager.h"
#include "scriptedinteraction.h"
#include "testsandbox.h"
#include "thtmlrichedit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QScreen>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {

class CommandSurfaceTest : public ::testing::Test {
protected:
    void SetUp() override { test::TestSandbox::clearSettings(); }

    /// A window with the one untitled page the start without arguments gives.
    std::unique_ptr<TMainwindow> withPage()
    {
        auto w = std::make_unique<TMainwindow>();
        w->FormShow();
        return w;
    }
    /// A window with no page (started with a name it does not open).
    std::unique_ptr<TMainwindow> withoutPage()
    {
        auto w = std::make_unique<TMainwindow>(QStringList{"readme.txt"});
        w->FormShow();
        return w;
    }

    ScriptedInteraction m_ui;
};

// --- Every component, with its caption, hint and key ---------------------------------

struct MenuItemCase {
    const char *name;
    const char *caption;
    const char *hint;
    const char *key;
};

class MainMenuItems : public ::testing::TestWithParam<MenuItemCase> {
protected:
    void SetUp() override { test::TestSandbox::clearSettings(); }
};

TEST_P(MainMenuItems, ExistWithCaptionHintAndKey)
{
    TMainwindow w(QStringList{"x.txt"});
    const MenuItemCase &c = GetParam();
    QAction *action = w.command(QString::fromLatin1(c.name));
    ASSERT_NE(action, nullptr) << c.name;
    EXPECT_EQ(action->text(), QString::fromUtf8(c.caption)) << c.name;
    EXPECT_EQ(action->statusTip(), QString::fromUtf8(c.hint)) << c.name;
    EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(c.key))) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Menus, MainMenuItems,
    ::testing::Values(
        MenuItemCase{"File1", "&File", "Open, save, save as...", ""},
        MenuItemCase{"FileNew", "&New", "Create a new document", "Ctrl+N"},
        MenuItemCase{"FileOpen", "&Open", "Open an existing document", "Ctrl+O"},
        MenuItemCase{"FileSave", "&Save", "Save the current document", "Ctrl+S"},
        MenuItemCase{"FileSaveAs", "S&ave as", "Save the current document with a new name", ""},
        MenuItemCase{"Luksiden1", "&Close page", "Close the current page", "Ctrl+F4"},
        MenuItemCase{"Options1", "&Options", "Set options for Lumaro", ""},
        MenuItemCase{"Indstilliinger1", "&General", "General options", ""},
        MenuItemCase{"ImportExport1", "RTF import / export", "Change RTF import / export preferences", ""},
        MenuItemCase{"projectindstillinger1", "Project preferences", "Change project preferences", ""},
        MenuItemCase{"FileSend", "Se&nd", "Send the current document with E-mail", ""},
        MenuItemCase{"FileExit", "E&xit", "Exit Lumaro", ""},
        MenuItemCase{"Edit1", "&Edit", "Cut, copy...", ""},
        MenuItemCase{"Klip1", "&Cut", "Cut the selected text to the clipboard", "Ctrl+X"},
        MenuItemCase{"Kopier1", "C&opy", "Copy the selected text to the clipboard", "Ctrl+C"},
        MenuItemCase{"Stind1", "&Paste", "paste text from the clipboard", "Ctrl+V"},
        MenuItemCase{"Search1", "&Search", "Search for text in the current document", "F5"},
        MenuItemCase{"Sgigen1", "Search A&gain", "Search Again, for the same text", "F3"},
        MenuItemCase{"sgogerstat1", "Search and replace", "Search for, and replace text", "Ctrl+R"},
        MenuItemCase{"Project1", "&Project", "", ""},
        MenuItemCase{"nytproject1", "New project", "Create a new project", ""},
        MenuItemCase{"Openproject1", "Open project", "Open an existing project", ""},
        MenuItemCase{"gemproject1", "Save project", "Save the project", ""},
        MenuItemCase{"gemprojectsom1", "Save project as", "Save the project under a new name", ""},
        MenuItemCase{"visprojectmanager1", "Project&manager", "", "F2"},
        MenuItemCase{"Help1", "&Help", "Bring up help...", ""},
        MenuItemCase{"Indeks1", "&Index", "Bring up the help index", "F1"},
        MenuItemCase{"About", "&About...", "About Lumaro", ""},
        MenuItemCase{"Cut1", "&Cut", "Cut the selected text to the clipboard", ""},
        MenuItemCase{"Copy1", "C&opy", "Copy the selected text to the clipboard", ""},
        MenuItemCase{"Paste1", "&Paste", "paste text from the clipboard", ""},
        MenuItemCase{"Closepage1", "&Close page", "Close the current page", ""},
        MenuItemCase{"New1", "&New", "Create a new document", ""},
        MenuItemCase{"Open1", "&Open", "Open an existing document", ""},
        MenuItemCase{"Save1", "&Save", "Save the current document", ""},
        MenuItemCase{"Saveas1", "S&ave as", "Save the current document with a new name", ""},
        MenuItemCase{"Anchor1", "Anchor", "Anchor dialog", ""},
        MenuItemCase{"Jumpto1", "Jump to...", "Jump to dialog", ""},
        MenuItemCase{"Jumptohere1", "Jump to here", "Jump to here dialog", ""}),
    [](const auto &info) { return std::string(info.param.name); });

QStringList menuTexts(const QMenu *menu)
{
    QStringList texts;
    for (const QAction *a : menu->actions())
        texts.append(a->isSeparator() ? QStringLiteral("-") : a->text());
    return texts;
}

TEST_F(CommandSurfaceTest, MenusHoldTheirItemsInOrderWithTheSeparators)
{
    TMainwindow w;
    const QList<QAction *> bar = w.menuBar()->actions();
    QStringList titles;
    for (const QAction *a : bar)
        titles.append(a->text());
    EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "&Project", "&Help"}));

    EXPECT_EQ(menuTexts(bar.at(0)->menu()),
              (QStringList{"&New", "&Open", "&Save", "S&ave as", "&Close page", "-", "&Options", "-", "Se&nd",
                           "-", "E&xit"}));
    const QMenu *options = w.findChild<QMenu *>("Options1");
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(menuTexts(options), (QStringList{"&General", "RTF import / export", "Project preferences"}));
    EXPECT_EQ(menuTexts(bar.at(1)->menu()),
              (QStringList{"&Cut", "C&opy", "&Paste", "-", "&Search", "Search A&gain", "Search and replace", "-", "Check page", "Page outline", "Live preview"}));
    EXPECT_EQ(menuTexts(bar.at(2)->menu()), (QStringList{"New project", "Open project", "Save project",
                                                         "Save project as", "-", "Project&manager", "Check links", "Upload"}));
    EXPECT_EQ(menuTexts(bar.at(3)->menu()), (QStringList{"&Index", "&About..."}));
}

TEST_F(CommandSurfaceTest, PageContextMenuIsTheEditorsMenu)
{
    auto w = withPage();
    EXPECT_EQ(menuTexts(w->pageContextMenu()),
              (QStringList{"&Cut", "C&opy", "&Paste", "-", "&Close page", "&New", "&Open", "&Save", "S&ave as",
                           "-", "Anchor", "Jump to...", "Jump to here"}));
    for (int slot = 0; slot < PageManager::kSlots; ++slot)
        EXPECT_EQ(w->editor(slot)->contextMenuPolicy(), Qt::CustomContextMenu) << slot;
}

/// The buttons (by component name) inside a widget, left to right, top to bottom.
QStringList buttonNames(const QWidget *parent)
{
    QList<QToolButton *> buttons = parent->findChildren<QToolButton *>(QString(), Qt::FindDirectChildrenOnly);
    std::stable_sort(buttons.begin(), buttons.end(), [](const QToolButton *a, const QToolButton *b) {
        return a->y() != b->y() ? a->y() < b->y() : a->x() < b->x();
    });
    QStringList names;
    for (const QToolButton *b : buttons)
        names.append(b->objectName());
    return names;
}

TEST_F(CommandSurfaceTest, FixedToolbarHasTwoRowsWithTheirHints)
{
    auto w = withPage();
    w->resize(1024, 700);
    w->show();
    QCoreApplication::processEvents();
    const QWidget *bar = w->findChild<QWidget *>("FixedToolbar");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(buttonNames(bar), (QStringList{"SpeedButton106", "newbtn", "OpenBtn", "printbtn", "cutbtn",
                                             "copybtn", "SpeedButton101", "SpeedButton107", "SendBtn", "SaveBtn",
                                             "SpeedButton72", "pastebtn", "soegbtn"}));
    const std::pair<const char *, const char *> hints[] = {
        {"SpeedButton106", "Open project"}, {"newbtn", "New"},           {"OpenBtn", "Open"},
        {"printbtn", "Print"},              {"cutbtn", "Cut"},           {"copybtn", "Copy"},
        {"SpeedButton101", "Tools speedbar"}, {"SpeedButton107", "Save all"}, {"SendBtn", "Send"},
        {"SaveBtn", "Save"},                {"SpeedButton72", "Preview with default browser"},
        {"pastebtn", "Paste"},              {"soegbtn", "Search"}};
    for (const auto &[name, hint] : hints) {
        const auto *button = bar->findChild<QToolButton *>(name);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->toolTip(), hint) << name;
        EXPECT_EQ(button->statusTip(), hint) << name;
        EXPECT_EQ(button->size(), QSize(25, 25)) << name;
        EXPECT_FALSE(button->icon().isNull()) << name;
        EXPECT_EQ(button->y() < 25, QString(name) != "SpeedButton107" && QString(name) != "SendBtn"
                                        && QString(name) != "SaveBtn" && QString(name) != "SpeedButton72"
                                        && QString(name) != "pastebtn" && QString(name) != "soegbtn")
            << name;
    }
    w->hide();
}

TEST_F(CommandSurfaceTest, ToolsSpeedBarHoldsItsButtons)
{
    TMainwindow w;
    EXPECT_EQ(buttonNames(w.toolsSpeedBar()),
              (QStringList{"SpeedButton102", "SpeedButton103", "SpeedButton108", "SpeedButton114", "SpeedButtonCheck",
                           "SpeedButtonOutline", "SpeedButtonPreview"}));
    const char *hints[] = {"RTF > HTML", "HTML > TXT",  "Publish", "View document with selected browser",
                           "Check page", "Page outline", "Live preview"};
    int i = 0;
    for (const QString &name : CommandTable::toolsBar())
        EXPECT_EQ(w.toolsSpeedBar()->findChild<QToolButton *>(name)->toolTip(), hints[i++]);
}

struct TabCase {
    const char *caption;
    QStringList hintsOrCaptions;
};

TEST_F(CommandSurfaceTest, ToolTabsHoldEveryButtonWithItsHintOrCaption)
{
    TMainwindow w;
    const TabCase tabs[] = {
        {"Standard",
         {"Body", "Center", "Anchor", "Jump to...", "Jump to here", "Image", "Marque", "Horizontal break",
          "Special characters", "special characters", "Quick anchor", "Quick image"}},
        {"Font 1",
         {"bloc", "strik", "em", "dfn", "cite", "Add", "stro", "Underlined", "Italic", "Bold", "F", "BF",
          "Headings"}},
        {"Font 2", {"pltex", "code", "samp", "listin", "pre", "tt", "xmp", "var", "kbd"}},
        {"Table", {"Table-builder", "Table", "Table Caption", "Table Row", "Table Data"}},
        {"List / Frames", {"List-builder", "Frameset", "Frame", "Noframe"}},
        {"Forms", {"Form", "Text input", "Text array", "Radiobutton", "Checkbox", "Button", "Select", "Password"}},
    };
    QTabWidget *tabWidget = w.speedbartab();
    ASSERT_EQ(tabWidget->count(), 6);
    for (int t = 0; t < 6; ++t) {
        EXPECT_EQ(tabWidget->tabText(t), tabs[t].caption);
        const QList<QToolButton *> buttons = tabWidget->widget(t)->findChildren<QToolButton *>();
        ASSERT_EQ(buttons.size(), tabs[t].hintsOrCaptions.size()) << tabs[t].caption;
        for (int b = 0; b < buttons.size(); ++b) {
            const QToolButton *button = buttons.at(b);
            const QString expected = tabs[t].hintsOrCaptions.at(b);
            if (button->toolButtonStyle() == Qt::ToolButtonTextOnly) {
                // A caption button shows its short caption.
                EXPECT_EQ(button->text(), expected) << tabs[t].caption;
                EXPECT_FALSE(button->toolTip().isEmpty());
            } else {
                EXPECT_EQ(button->toolTip(), expected) << tabs[t].caption;
                EXPECT_FALSE(button->icon().isNull()) << expected.toStdString();
            }
        }
    }
}

TEST_F(CommandSurfaceTest, FontTabsUseGlyphsOnlyForBoldItalicUnderlinedAndHeadings)
{
    TMainwindow w;
    QStringList glyphed;
    for (int t : {1, 2})
        for (const QToolButton *b : w.speedbartab()->widget(t)->findChildren<QToolButton *>())
            if (b->toolButtonStyle() != Qt::ToolButtonTextOnly)
                glyphed.append(b->objectName());
    EXPECT_EQ(glyphed, (QStringList{"SpeedButton69", "SpeedButton68", "SpeedButton48", "SpeedButtonheading"}));
}

TEST_F(CommandSurfaceTest, EveryGlyphOfTheTableExistsAndRenders)
{
    const char *numbers[] = {"100", "102", "103", "104", "105", "106", "107", "108", "109", "110", "111", "112",
                             "113", "114", "115", "116", "117", "118", "119", "120", "121", "122", "123", "124",
                             "125", "126", "127", "201", "202", "203", "204", "205", "206", "207", "208", "209",
                             "210", "211", "212", "213", "214", "215", "216", "300", "301", "bold", "italic",
                             "underline", "heading"};
    for (const char *id : numbers) {
        ASSERT_TRUE(Glyphs::exists(id)) << id;
        const QImage image = Glyphs::pixmap(id, 20).toImage();
        ASSERT_EQ(image.size(), QSize(20, 20)) << id;
        int opaque = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                opaque += qAlpha(image.pixel(x, y)) > 128;
        // Something is drawn, and it is not just a filled square.
        EXPECT_GT(opaque, 20) << id;
        EXPECT_LT(opaque, 400) << id;
    }
    EXPECT_FALSE(Glyphs::exists("999"));
    EXPECT_TRUE(Glyphs::icon("999").isNull());
}

TEST_F(CommandSurfaceTest, EveryButtonGlyphOfTheTableIsItsResourceNumber)
{
    const std::pair<const char *, const char *> glyphs[] = {
        {"SpeedButton113", "100"}, {"SpeedButton121", "102"}, {"SpeedButton115", "103"},
        {"SpeedButton116", "104"}, {"SpeedButton117", "105"}, {"SpeedButton118", "106"},
        {"SpeedButton119", "107"}, {"SpeedButton120", "108"}, {"SpeedButton7", "109"},
        {"SpeedButton110", "110"}, {"SpeedButton111", "111"}, {"SpeedButton112", "112"},
        {"SpeedButton1", "113"},   {"SpeedButton2", "114"},   {"SpeedButton3", "115"},
        {"SpeedButton4", "116"},   {"SpeedButton5", "117"},   {"SpeedButton8", "118"},
        {"SpeedButton70", "119"},  {"SpeedButton71", "120"},  {"SpeedButton9", "121"},
        {"SpeedButton96", "122"},  {"SpeedButton6", "123"},   {"SpeedButton73", "124"},
        {"SpeedButton76", "125"},  {"SpeedButton74", "126"},  {"SpeedButton75", "127"},
        {"SpeedButton106", "201"}, {"SpeedButton107", "202"}, {"newbtn", "203"},
        {"OpenBtn", "204"},        {"SendBtn", "205"},        {"SaveBtn", "206"},
        {"printbtn", "207"},       {"SpeedButton72", "208"},  {"cutbtn", "209"},
        {"pastebtn", "210"},       {"copybtn", "211"},        {"soegbtn", "212"},
        {"SpeedButton101", "213"}, {"SpeedButton102", "214"}, {"SpeedButton103", "215"},
        {"SpeedButton108", "216"}, {"SpeedButton114", "208"}, {"SpeedButton10", "300"},
        {"SpeedButton11", "301"}};
    for (const auto &[name, number] : glyphs) {
        const CommandInfo *info = CommandTable::find(name);
        ASSERT_NE(info, nullptr) << name;
        EXPECT_EQ(info->glyph, number) << name;
    }
}

TEST_F(CommandSurfaceTest, NoTwoCommandsShareAKey)
{
    QHash<QString, QString> owner;
    for (const CommandInfo &info : CommandTable::commands()) {
        if (info.key.isEmpty())
            continue;
        const QString key = QKeySequence(info.key).toString();
        EXPECT_FALSE(owner.contains(key)) << key.toStdString() << " on " << info.name.toStdString() << " and "
                                          << owner.value(key).toStdString();
        owner.insert(key, info.name);
    }
    EXPECT_EQ(owner.size(), 12);
}

TEST_F(CommandSurfaceTest, ComponentNamesAreUniqueAndEveryPlacedNameIsACommand)
{
    QSet<QString> seen;
    for (const CommandInfo &info : CommandTable::commands()) {
        EXPECT_FALSE(seen.contains(info.name)) << info.name.toStdString();
        seen.insert(info.name);
    }
    QStringList placed = CommandTable::fixedRow1() + CommandTable::fixedRow2() + CommandTable::toolsBar()
        + CommandTable::entityButtons() + CommandTable::pageCommands() + CommandTable::disabledWithoutPages();
    for (const ToolTab &tab : CommandTable::toolTabs())
        placed += tab.buttons;
    for (const QString &name : placed)
        EXPECT_NE(CommandTable::find(name), nullptr) << name.toStdString();
}

// --- Enabling --------------------------------------------------------------------------------

TEST_F(CommandSurfaceTest, PageCommandsFollowTheOpenPages)
{
    auto w = withoutPage();
    for (const QString &name : CommandTable::pageCommands())
        EXPECT_FALSE(w->command(name)->isEnabled()) << name.toStdString();
    for (const QString &name : CommandTable::disabledWithoutPages())
        EXPECT_FALSE(w->command(name)->isEnabled()) << name.toStdString();
    EXPECT_FALSE(w->speedbartab()->isVisibleTo(w.get()));
    // Creating and opening pages does not depend on an open page.
    for (const char *name : {"FileNew", "newbtn", "FileOpen", "OpenBtn", "FileExit", "About", "SpeedButton101"})
        EXPECT_TRUE(w->command(name)->isEnabled()) << name;

    w->command("newbtn")->trigger();
    ASSERT_EQ(w->pageCount(), 1);
    for (const QString &name : CommandTable::pageCommands())
        EXPECT_TRUE(w->command(name)->isEnabled()) << name.toStdString();
    EXPECT_TRUE(w->speedbartab()->isVisibleTo(w.get()));

    w->command("Luksiden1")->trigger();
    ASSERT_EQ(w->pageCount(), 0);
    EXPECT_EQ(w->windowTitle(), "Lumaro [No file]");
    for (const QString &name : CommandTable::pageCommands())
        EXPECT_FALSE(w->command(name)->isEnabled()) << name.toStdString();
    for (const QString &name : CommandTable::disabledWithoutPages())
        EXPECT_FALSE(w->command(name)->isEnabled()) << name.toStdString();
    EXPECT_FALSE(w->speedbartab()->isVisibleTo(w.get()));
}

TEST_F(CommandSurfaceTest, NoCommandIsEnabledWithoutAHandler)
{
    auto w = withPage();
    w->files().FileNew();
    w->editor(1)->selectAllText();
    QCoreApplication::processEvents();
    int enabled = 0;
    for (const QString &name : w->commands().names()) {
        if (!w->command(name)->isEnabled())
            continue;
        ++enabled;
        EXPECT_TRUE(w->commands().isHandled(name)) << name.toStdString() << " is enabled but nothing runs it";
    }
    EXPECT_GT(enabled, 40);
}

TEST_F(CommandSurfaceTest, TheSubsystemsConnectTheirCommands)
{
    auto w = withPage();
    // One command of each subsystem that is wired into the window.
    for (const char *name : {"soegbtn", "Search1", "Sgigen1", "sgogerstat1", "printbtn", "SendBtn", "FileSend",
                             "SpeedButton72", "SpeedButton114", "Indeks1", "SpeedButton102", "SpeedButton103",
                             "ImportExport1", "SpeedButton6", "SpeedButton73", "SpeedButton48", "SpeedButton3",
                             "Anchor1", "Jumpto1", "Jumptohere1", "nytproject1", "SpeedButton106",
                             "Openproject1", "SpeedButton9", "SpeedButton96"})
        EXPECT_TRUE(w->commands().isHandled(name)) << name;
    EXPECT_NE(w->projectState(), nullptr);
}

// The enabling rules on a registry of its own, with handlers connected by the test.
class CommandRegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_registry.createAll();
        m_registry.seal();
    }
    void handle(const char *name)
    {
        QObject::connect(m_registry.command(name), &QAction::triggered, &m_owner, [] {});
    }
    bool enabled(const char *name) const { return m_registry.command(name)->isEnabled(); }

    CommandRegistry m_registry;
    QObject m_owner;
};

TEST_F(CommandRegistryTest, EveryCommandStartsDisabledUntilHandled)
{
    for (const QString &name : m_registry.names()) {
        EXPECT_FALSE(m_registry.command(name)->isEnabled()) << name.toStdString();
        EXPECT_FALSE(m_registry.isHandled(name)) << name.toStdString();
    }
    handle("SpeedButton6");
    EXPECT_TRUE(enabled("SpeedButton6"));
    EXPECT_TRUE(m_registry.isHandled("SpeedButton6"));
    QObject::connect(m_registry.command("SpeedButton96"), &QAction::toggled, &m_owner, [](bool) {});
    EXPECT_TRUE(enabled("SpeedButton96")) << "a toggle handler counts too";
    QObject::connect(m_registry.command("SpeedButton1"), &QAction::changed, &m_owner, [] {});
    EXPECT_FALSE(enabled("SpeedButton1")) << "watching a command does not run it";
}

TEST_F(CommandRegistryTest, APageCommandWaitsForAPageAndAHandler)
{
    m_registry.setPagesOpen(true);
    EXPECT_FALSE(enabled("soegbtn")) << "no handler yet";
    handle("soegbtn");
    EXPECT_TRUE(enabled("soegbtn"));
    m_registry.setPagesOpen(false);
    EXPECT_FALSE(enabled("soegbtn"));
    handle("SaveBtn");
    EXPECT_FALSE(enabled("SaveBtn")) << "handled while no page is open";
    m_registry.setPagesOpen(true);
    EXPECT_TRUE(enabled("SaveBtn"));
    EXPECT_TRUE(enabled("soegbtn"));
}

TEST_F(CommandRegistryTest, APageCommandEnabledByItsSubsystemWithoutAPageIsOverruled)
{
    handle("SpeedButton102");
    m_registry.command("SpeedButton102")->setEnabled(true);
    EXPECT_FALSE(enabled("SpeedButton102"));
    // Enabled before anything handles it: still off, until handled with a page open.
    m_registry.setPagesOpen(true);
    m_registry.command("printbtn")->setEnabled(true);
    EXPECT_FALSE(enabled("printbtn"));
    handle("printbtn");
    EXPECT_TRUE(enabled("printbtn"));
    EXPECT_TRUE(enabled("SpeedButton102"));
}

TEST_F(CommandRegistryTest, SubsystemCommandsAreDisabledWithoutPagesAndOtherwiseLeftToThem)
{
    handle("SpeedButton107");
    handle("cutbtn");
    m_registry.setPagesOpen(true);
    EXPECT_FALSE(enabled("SpeedButton107")) << "a page alone does not enable Save all";
    m_registry.command("SpeedButton107")->setEnabled(true); // a project is open
    m_registry.setPagesOpen(true);
    EXPECT_TRUE(enabled("SpeedButton107")) << "another page leaves it as it was";
    m_registry.setAvailable("cutbtn", true);
    EXPECT_TRUE(enabled("cutbtn"));
    m_registry.setPagesOpen(false);
    EXPECT_FALSE(enabled("SpeedButton107"));
    EXPECT_FALSE(enabled("cutbtn"));
    m_registry.setAvailable("cutbtn", true);
    EXPECT_FALSE(enabled("cutbtn")) << "no page to cut from";
    m_registry.setPagesOpen(true);
    m_registry.setAvailable("copybtn", true);
    EXPECT_FALSE(enabled("copybtn")) << "nothing handles it";
}

TEST_F(CommandRegistryTest, ASubmenuActionReplacesTheTableAction)
{
    QMenu menu;
    menu.setTitle("&Edit");
    m_registry.add("Edit1", menu.menuAction());
    EXPECT_EQ(m_registry.command("Edit1"), menu.menuAction());
    EXPECT_EQ(m_registry.names().count("Edit1"), 1);
    EXPECT_TRUE(m_registry.isHandled("Edit1"));
    EXPECT_FALSE(menu.menuAction()->isEnabled());
    m_registry.setPagesOpen(true);
    EXPECT_TRUE(menu.menuAction()->isEnabled());
}

TEST_F(CommandSurfaceTest, CutAndCopyFollowTheSelection)
{
    auto w = withPage();
    thtmlrichedit *ed = w->editor(0);
    ed->setSelection(0, 0);
    QCoreApplication::processEvents();
    EXPECT_FALSE(w->command("cutbtn")->isEnabled());
    EXPECT_FALSE(w->command("copybtn")->isEnabled());
    ed->setSelection(0, 5);
    QCoreApplication::processEvents();
    EXPECT_TRUE(w->command("cutbtn")->isEnabled());
    EXPECT_TRUE(w->command("copybtn")->isEnabled());
    const QString selected = ed->selText();
    w->command("copybtn")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), selected);
    EXPECT_TRUE(w->command("pastebtn")->isEnabled()) << "the clipboard holds text now";
}

TEST_F(CommandSurfaceTest, EditMenuCutAndPasteWorkOnTheActivePage)
{
    auto w = withPage();
    thtmlrichedit *ed = w->editor(0);
    ed->selectAllText();
    ed->replaceSelection("one two");
    ed->setSelection(0, 4);
    w->command("Klip1")->trigger();
    EXPECT_EQ(ed->text(), "two");
    ed->setCaretPosition(3);
    w->command("Stind1")->trigger();
    EXPECT_EQ(ed->text(), "twoone ");
}

// --- Side panels ---------------------------------------------------------------------------------

TEST_F(CommandSurfaceTest, EntityPanelButtonsReplaceTheSelection)
{
    auto w = withPage();
    EXPECT_FALSE(w->sidePanel(3)->isVisibleTo(w.get()));
    w->command("SpeedButton96")->trigger();
    EXPECT_TRUE(w->sidePanel(3)->isVisibleTo(w.get()));
    EXPECT_EQ(buttonNames(w->sidePanel(3)), (QStringList{"ampbtn", "quotbtn", "ltbtn", "gtbtn"}));
    const char *captions[] = {"&&", "\"", "<", ">"};
    int i = 0;
    for (const QString &name : CommandTable::entityButtons())
        EXPECT_EQ(w->sidePanel(3)->findChild<QToolButton *>(name)->text(), captions[i++]);

    thtmlrichedit *ed = w->editor(0);
    ed->selectAllText();
    ed->replaceSelection("a-b-c-d-e");
    const std::pair<const char *, const char *> cases[] = {
        {"ampbtn", "a&amp;b-c-d-e"}, {"quotbtn", "a&amp;b&quot;c-d-e"},
        {"ltbtn", "a&amp;b&quot;c&lt;d-e"}, {"gtbtn", "a&amp;b&quot;c&lt;d&gt;e"}};
    for (const auto &[name, expected] : cases) {
        ed->setSelection(ed->findText("-", 0, -1, false, true), 1);
        w->command(name)->trigger();
        EXPECT_EQ(ed->text(), expected) << name;
    }
    // With nothing selected the entity goes in at the caret.
    ed->setCaretPosition(0);
    w->command("ltbtn")->trigger();
    EXPECT_TRUE(ed->text().startsWith("&lt;a"));

    w->command("SpeedButton96")->trigger();
    EXPECT_FALSE(w->sidePanel(3)->isVisibleTo(w.get()));
}

TEST_F(CommandSurfaceTest, SpecialCharactersPanelCreatesAndFreesThePalette)
{
    auto w = withPage();
    int created = 0;
    w->setSpecialCharactersPanel([&created](QWidget *parent) {
        ++created;
        auto *palette = new QWidget(parent);
        palette->setObjectName("Tspeccharform");
        palette->setMinimumWidth(56);
        return palette;
    });
    ASSERT_TRUE(w->command("SpeedButton9")->isEnabled());
    QWidget *panel = w->sidePanel(2);
    ASSERT_NE(panel, nullptr);

    w->command("SpeedButton9")->trigger();
    EXPECT_EQ(created, 1);
    QPointer<QWidget> palette = panel->findChild<QWidget *>("Tspeccharform");
    ASSERT_TRUE(palette);
    EXPECT_EQ(palette->height(), 900);
    EXPECT_EQ(palette->pos(), QPoint(0, 0));
    EXPECT_TRUE(w->findChild<QFrame *>("Panel2")->isVisibleTo(w.get()));

    w->command("SpeedButton9")->trigger();
    EXPECT_FALSE(palette) << "released, the palette is freed";
    EXPECT_FALSE(w->findChild<QFrame *>("Panel2")->isVisibleTo(w.get()));

    w->command("SpeedButton9")->trigger();
    EXPECT_EQ(created, 2) << "pressed again, a new palette";
}

TEST_F(CommandSurfaceTest, OnlyPanelsTwoAndThreeAreSidePanels)
{
    TMainwindow w;
    EXPECT_EQ(w.sidePanel(0), nullptr);
    EXPECT_EQ(w.sidePanel(1), nullptr);
    EXPECT_EQ(w.sidePanel(4), nullptr);
}

// --- Status bar and hints ---------------------------------------------------------------------------

TEST_F(CommandSurfaceTest, StatusBarHasThreePanelsOf70And300And100)
{
    TMainwindow w;
    const int widths[] = {70, 300, 100};
    for (int i = 0; i < 3; ++i) {
        const auto *panel = w.statusBar()->findChild<QLabel *>(QStringLiteral("StatusPanel%1").arg(i));
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(panel->width(), widths[i]);
    }
}

TEST_F(CommandSurfaceTest, HintsGoToStatusPanelOne)
{
    auto w = withPage();
    w->show();
    // A button's hint travels up to the window as the application's hint.
    auto *save = w->findChild<QToolButton *>("SaveBtn");
    QStatusTipEvent tip(save->statusTip());
    QCoreApplication::sendEvent(save, &tip);
    EXPECT_EQ(w->statusPanelText(1), "Save");
    // A menu item's hint.
    w->command("FileSaveAs")->showStatusText(w.get());
    EXPECT_EQ(w->statusPanelText(1), "Save the current document with a new name");
    // Leaving clears it.
    QStatusTipEvent leave(QString{});
    QCoreApplication::sendEvent(save, &leave);
    EXPECT_EQ(w->statusPanelText(1), "");
    w->showStatus("Published 3 pages");
    EXPECT_EQ(w->statusPanelText(1), "Published 3 pages");
    w->setProjectStatus("Project: web.lmp");
    EXPECT_EQ(w->statusPanelText(2), "Project: web.lmp");
    w->hide();
}

TEST_F(CommandSurfaceTest, CursorPositionShowsInPanelZero)
{
    auto w = withPage();
    thtmlrichedit *ed = w->editor(0);
    ed->setCaretPosition(0);
    ed->setCaretPosition(1);
    EXPECT_EQ(w->statusPanelText(0), ed->skrivcursorpos());
}

TEST_F(CommandSurfaceTest, ToolTabsTakeThePanelWidthLessTheFixedToolbar)
{
    auto w = withPage();
    for (int width : {640, 1024, 800}) {
        w->resize(width, 600);
        w->show();
        QCoreApplication::processEvents();
        EXPECT_EQ(w->speedPanel()->height(), 63);
        EXPECT_EQ(w->speedbartab()->width(), w->speedPanel()->width() - 220) << width;
        const QRect inPanel(w->speedbartab()->mapTo(w->speedPanel(), QPoint(0, 0)), w->speedbartab()->size());
        EXPECT_EQ(inPanel.left(), 220) << width;
        EXPECT_EQ(inPanel.right(), w->speedPanel()->width() - 1) << width;
    }
    w->hide();
}

TEST_F(CommandSurfaceTest, ToolTabButtonsDoNotOverlap)
{
    auto w = withPage();
    w->resize(640, 480);
    w->show();
    QCoreApplication::processEvents();
    for (int t = 0; t < w->speedbartab()->count(); ++t) {
        w->speedbartab()->setCurrentIndex(t);
        QCoreApplication::processEvents();
        QWidget *page = w->speedbartab()->widget(t);
        const QList<QToolButton *> buttons = page->findChildren<QToolButton *>();
        for (int i = 0; i < buttons.size(); ++i) {
            EXPECT_TRUE(page->rect().contains(buttons[i]->geometry())) << buttons[i]->objectName().toStdString();
            for (int j = i + 1; j < buttons.size(); ++j)
                EXPECT_FALSE(buttons[i]->geometry().intersects(buttons[j]->geometry()))
                    << buttons[i]->objectName().toStdString() << " " << buttons[j]->objectName().toStdString();
        }
    }
    w->hide();
}

} // namespace
