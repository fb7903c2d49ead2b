#include "commandtable.h"

#include <QHash>

namespace lumaro {

namespace {

CommandInfo menuItem(const char *name, const char *caption, const char *hint, const char *key = "")
{
    return {QString::fromLatin1(name), QString::fromUtf8(caption), QString::fromUtf8(hint),
            QString::fromLatin1(key), {}, false};
}

CommandInfo glyphButton(const char *name, const char *hint, const char *glyph, bool toggle = false)
{
    return {QString::fromLatin1(name), QString::fromUtf8(hint), QString::fromUtf8(hint), {},
            QString::fromLatin1(glyph), toggle};
}

CommandInfo textButton(const char *name, const char *caption, const char *hint)
{
    return {QString::fromLatin1(name), QString::fromUtf8(caption), QString::fromUtf8(hint), {}, {}, false};
}

QList<CommandInfo> buildCommands()
{
    return {
        // Menu bar: File.
        menuItem("File1", "&File", "Open, save, save as..."),
        menuItem("FileNew", "&New", "Create a new document", "Ctrl+N"),
        menuItem("FileOpen", "&Open", "Open an existing document", "Ctrl+O"),
        menuItem("FileSave", "&Save", "Save the current document", "Ctrl+S"),
        menuItem("FileSaveAs", "S&ave as", "Save the current document with a new name"),
        menuItem("Luksiden1", "&Close page", "Close the current page", "Ctrl+F4"),
        menuItem("Options1", "&Options", "Set options for Lumaro"),
        menuItem("Indstilliinger1", "&General", "General options"),
        menuItem("ImportExport1", "RTF import / export", "Change RTF import / export preferences"),
        menuItem("projectindstillinger1", "Project preferences", "Change project preferences"),
        menuItem("FileSend", "Se&nd", "Send the current document with E-mail"),
        menuItem("FileExit", "E&xit", "Exit Lumaro"),
        // Edit.
        menuItem("Edit1", "&Edit", "Cut, copy..."),
        menuItem("Klip1", "&Cut", "Cut the selected text to the clipboard", "Ctrl+X"),
        menuItem("Kopier1", "C&opy", "Copy the selected text to the clipboard", "Ctrl+C"),
        menuItem("Stind1", "&Paste", "paste text from the clipboard", "Ctrl+V"),
        menuItem("Search1", "&Search", "Search for text in the current document", "F5"),
        menuItem("Sgigen1", "Search A&gain", "Search Again, for the same text", "F3"),
        menuItem("sgogerstat1", "Search and replace", "Search for, and replace text", "Ctrl+R"),
        menuItem("Checkpage1", "Check page", "Check the page's markup for mistakes"),
        {QStringLiteral("Outline1"), QStringLiteral("Page outline"), QStringLiteral("Show the structure of the page"),
         {}, {}, true},
        {QStringLiteral("Livepreview1"), QStringLiteral("Live preview"),
         QStringLiteral("Show the page rendered beside its text"), {}, {}, true},
        // Project.
        menuItem("Project1", "&Project", ""),
        menuItem("nytproject1", "New project", "Create a new project"),
        menuItem("Openproject1", "Open project", "Open an existing project"),
        menuItem("gemproject1", "Save project", "Save the project"),
        menuItem("gemprojectsom1", "Save project as", "Save the project under a new name"),
        menuItem("Checklinks1", "Check links", "Check every link of the project's pages"),
        menuItem("visprojectmanager1", "Project&manager", "", "F2"),
        menuItem("Upload1", "Upload", "Upload the published site to the web server"),
        // Help.
        menuItem("Help1", "&Help", "Bring up help..."),
        menuItem("Indeks1", "&Index", "Bring up the help index", "F1"),
        menuItem("About", "&About...", "About Lumaro"),

        // Context menu of the page editors: the same captions and hints as
        // the Edit and File menus, and the three link commands.
        menuItem("Cut1", "&Cut", "Cut the selected text to the clipboard"),
        menuItem("Copy1", "C&opy", "Copy the selected text to the clipboard"),
        menuItem("Paste1", "&Paste", "paste text from the clipboard"),
        menuItem("Closepage1", "&Close page", "Close the current page"),
        menuItem("New1", "&New", "Create a new document"),
        menuItem("Open1", "&Open", "Open an existing document"),
        menuItem("Save1", "&Save", "Save the current document"),
        menuItem("Saveas1", "S&ave as", "Save the current document with a new name"),
        menuItem("Anchor1", "Anchor", "Anchor dialog"),
        menuItem("Jumpto1", "Jump to...", "Jump to dialog"),
        menuItem("Jumptohere1", "Jump to here", "Jump to here dialog"),

        // Fixed toolbar, row 1 and row 2.
        glyphButton("SpeedButton106", "Open project", "201"),
        glyphButton("newbtn", "New", "203"),
        glyphButton("OpenBtn", "Open", "204"),
        glyphButton("printbtn", "Print", "207"),
        glyphButton("cutbtn", "Cut", "209"),
        glyphButton("copybtn", "Copy", "211"),
        glyphButton("SpeedButton101", "Tools speedbar", "213", true),
        glyphButton("SpeedButton107", "Save all", "202"),
        glyphButton("SendBtn", "Send", "205"),
        glyphButton("SaveBtn", "Save", "206"),
        glyphButton("SpeedButton72", "Preview with default browser", "208"),
        glyphButton("pastebtn", "Paste", "210"),
        glyphButton("soegbtn", "Search", "212"),

        // Tools speed bar.
        glyphButton("SpeedButton102", "RTF > HTML", "214"),
        glyphButton("SpeedButton103", "HTML > TXT", "215"),
        glyphButton("SpeedButton108", "Publish", "216"),
        glyphButton("SpeedButton114", "View document with selected browser", "208"),
        glyphButton("SpeedButtonCheck", "Check page", "checkpage"),
        glyphButton("SpeedButtonOutline", "Page outline", "outline", true),
        glyphButton("SpeedButtonPreview", "Live preview", "livepreview", true),

        // Tool tab "Standard".
        glyphButton("SpeedButton1", "Body", "113"),
        glyphButton("SpeedButton2", "Center", "114"),
        glyphButton("SpeedButton3", "Anchor", "115"),
        glyphButton("SpeedButton4", "Jump to...", "116"),
        glyphButton("SpeedButton5", "Jump to here", "117"),
        glyphButton("SpeedButton8", "Image", "118"),
        glyphButton("SpeedButton70", "Marque", "119"),
        glyphButton("SpeedButton71", "Horizontal break", "120"),
        glyphButton("SpeedButton9", "Special characters", "121", true),
        glyphButton("SpeedButton96", "special characters", "122", true),
        glyphButton("SpeedButton10", "Quick anchor", "300"),
        glyphButton("SpeedButton11", "Quick image", "301"),
        // Tool tab "Font 1".
        textButton("SpeedButton87", "bloc", "Block quote"),
        textButton("SpeedButton85", "strik", "Strike"),
        textButton("SpeedButton83", "em", "Emphasis"),
        textButton("SpeedButton82", "dfn", "Definition"),
        textButton("SpeedButton81", "cite", "Citation"),
        textButton("SpeedButton80", "Add", "Address"),
        textButton("SpeedButton79", "stro", "Strong"),
        glyphButton("SpeedButton69", "Underlined", "underline"),
        glyphButton("SpeedButton68", "Italic", "italic"),
        glyphButton("SpeedButton48", "Bold", "bold"),
        textButton("SpeedButton78", "F", "Font"),
        textButton("SpeedButton77", "BF", "Base Font"),
        glyphButton("SpeedButtonheading", "Headings", "heading"),
        // The strike-through command (S) has no button of its own; it is
        // registered so that a shortcut or a later button can reach it.
        textButton("SpeedButton84", "s", "Strike-through"),
        // Tool tab "Font 2".
        textButton("SpeedButton86", "pltex", "Plain text"),
        textButton("SpeedButton88", "code", "Code"),
        textButton("SpeedButton89", "samp", "Sample"),
        textButton("SpeedButton90", "listin", "Listing"),
        textButton("SpeedButton91", "pre", "Preformatted"),
        textButton("SpeedButton92", "tt", "Teletype"),
        textButton("SpeedButton93", "xmp", "Example"),
        textButton("SpeedButton94", "var", "Variable"),
        textButton("SpeedButton95", "kbd", "Keyboard"),
        // Tool tab "Table".
        glyphButton("SpeedButton6", "Table-builder", "123"),
        glyphButton("SpeedButton73", "Table", "124"),
        glyphButton("SpeedButton76", "Table Caption", "125"),
        glyphButton("SpeedButton74", "Table Row", "126"),
        glyphButton("SpeedButton75", "Table Data", "127"),
        // Tool tab "List / Frames".
        glyphButton("SpeedButton7", "List-builder", "109"),
        glyphButton("SpeedButton110", "Frameset", "110"),
        glyphButton("SpeedButton111", "Frame", "111"),
        glyphButton("SpeedButton112", "Noframe", "112"),
        // Tool tab "Forms".
        glyphButton("SpeedButton113", "Form", "100"),
        glyphButton("SpeedButton121", "Text input", "102"),
        glyphButton("SpeedButton115", "Text array", "103"),
        glyphButton("SpeedButton116", "Radiobutton", "104"),
        glyphButton("SpeedButton117", "Checkbox", "105"),
        glyphButton("SpeedButton118", "Button", "106"),
        glyphButton("SpeedButton119", "Select", "107"),
        glyphButton("SpeedButton120", "Password", "108"),

        // The entity side panel's four buttons.
        textButton("ampbtn", "&&", "&amp;"),
        textButton("quotbtn", "\"", "&quot;"),
        textButton("ltbtn", "<", "&lt;"),
        textButton("gtbtn", ">", "&gt;"),
    };
}

MenuEntry cmd(const char *name) { return {MenuEntry::Command, QString::fromLatin1(name), {}}; }
MenuEntry sep() { return {MenuEntry::Separator, {}, {}}; }
MenuEntry sub(const char *name, QList<MenuEntry> entries)
{
    return {MenuEntry::Submenu, QString::fromLatin1(name), std::move(entries)};
}

} // namespace

const QList<CommandInfo> &CommandTable::commands()
{
    static const QList<CommandInfo> table = buildCommands();
    return table;
}

const CommandInfo *CommandTable::find(const QString &name)
{
    static const QHash<QString, qsizetype> index = [] {
        QHash<QString, qsizetype> h;
        const QList<CommandInfo> &all = commands();
        for (qsizetype i = 0; i < all.size(); ++i)
            h.insert(all.at(i).name, i);
        return h;
    }();
    const auto it = index.constFind(name);
    return it == index.constEnd() ? nullptr : &commands().at(*it);
}

const QList<MenuEntry> &CommandTable::mainMenu()
{
    static const QList<MenuEntry> menu{
        sub("File1", {cmd("FileNew"), cmd("FileOpen"), cmd("FileSave"), cmd("FileSaveAs"), cmd("Luksiden1"), sep(),
                      sub("Options1", {cmd("Indstilliinger1"), cmd("ImportExport1"), cmd("projectindstillinger1")}),
                      sep(), cmd("FileSend"), sep(), cmd("FileExit")}),
        sub("Edit1", {cmd("Klip1"), cmd("Kopier1"), cmd("Stind1"), sep(), cmd("Search1"), cmd("Sgigen1"),
                      cmd("sgogerstat1"), sep(), cmd("Checkpage1"), cmd("Outline1"), cmd("Livepreview1")}),
        sub("Project1", {cmd("nytproject1"), cmd("Openproject1"), cmd("gemproject1"), cmd("gemprojectsom1"), sep(),
                         cmd("visprojectmanager1"), cmd("Checklinks1"), cmd("Upload1")}),
        sub("Help1", {cmd("Indeks1"), cmd("About")}),
    };
    return menu;
}

const QList<MenuEntry> &CommandTable::pageMenu()
{
    static const QList<MenuEntry> menu{
        cmd("Cut1"),   cmd("Copy1"),   cmd("Paste1"),  sep(),
        cmd("Closepage1"), cmd("New1"), cmd("Open1"), cmd("Save1"), cmd("Saveas1"), sep(),
        cmd("Anchor1"), cmd("Jumpto1"), cmd("Jumptohere1"),
    };
    return menu;
}

const QStringList &CommandTable::fixedRow1()
{
    static const QStringList row{"SpeedButton106", "newbtn", "OpenBtn", "printbtn",
                                 "cutbtn",         "copybtn", "SpeedButton101"};
    return row;
}

const QStringList &CommandTable::fixedRow2()
{
    static const QStringList row{"SpeedButton107", "SendBtn", "SaveBtn", "SpeedButton72", "pastebtn", "soegbtn"};
    return row;
}

const QStringList &CommandTable::toolsBar()
{
    static const QStringList bar{"SpeedButton102", "SpeedButton103",   "SpeedButton108",
                                 "SpeedButton114", "SpeedButtonCheck", "SpeedButtonOutline",
                                 "SpeedButtonPreview"};
    return bar;
}

const QList<ToolTab> &CommandTable::toolTabs()
{
    static const QList<ToolTab> tabs{
        {QStringLiteral("Standard"),
         {"SpeedButton1", "SpeedButton2", "SpeedButton3", "SpeedButton4", "SpeedButton5", "SpeedButton8",
          "SpeedButton70", "SpeedButton71", "SpeedButton9", "SpeedButton96", "SpeedButton10", "SpeedButton11"}},
        {QStringLiteral("Font 1"),
         {"SpeedButton87", "SpeedButton85", "SpeedButton83", "SpeedButton82", "SpeedButton81", "SpeedButton80",
          "SpeedButton79", "SpeedButton69", "SpeedButton68", "SpeedButton48", "SpeedButton78", "SpeedButton77",
          "SpeedButtonheading"}},
        {QStringLiteral("Font 2"),
         {"SpeedButton86", "SpeedButton88", "SpeedButton89", "SpeedButton90", "SpeedButton91", "SpeedButton92",
          "SpeedButton93", "SpeedButton94", "SpeedButton95"}},
        {QStringLiteral("Table"),
         {"SpeedButton6", "SpeedButton73", "SpeedButton76", "SpeedButton74", "SpeedButton75"}},
        {QStringLiteral("List / Frames"), {"SpeedButton7", "SpeedButton110", "SpeedButton111", "SpeedButton112"}},
        {QStringLiteral("Forms"),
         {"SpeedButton113", "SpeedButton121", "SpeedButton115", "SpeedButton116", "SpeedButton117",
          "SpeedButton118", "SpeedButton119", "SpeedButton120"}},
    };
    return tabs;
}

const QStringList &CommandTable::entityButtons()
{
    static const QStringList names{"ampbtn", "quotbtn", "ltbtn", "gtbtn"};
    return names;
}

QString CommandTable::entityText(const QString &name)
{
    const CommandInfo *info = find(name);
    return info && entityButtons().contains(name) ? info->hint : QString();
}

const QStringList &CommandTable::pageCommands()
{
    static const QStringList names{"soegbtn",   "SaveBtn",    "SendBtn",   "printbtn", "SpeedButton72",
                                   "SpeedButton102", "SpeedButton103", "FileSave", "FileSaveAs", "FileSend",
                                   "Edit1",     "Luksiden1",  "Options1", "Checkpage1", "SpeedButtonCheck"};
    return names;
}

const QStringList &CommandTable::disabledWithoutPages()
{
    static const QStringList names{"cutbtn",         "copybtn",        "pastebtn",
                                   "SpeedButton107", "SpeedButton108", "projectindstillinger1",
                                   "visprojectmanager1", "gemproject1", "gemprojectsom1", "Checklinks1"};
    return names;
}

} // namespace lumaro
