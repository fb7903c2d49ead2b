// User shortcuts and the preferences command in the real main window: keys
// defined in the preferences, stored, read by the next window and pressed
// in a page; the settings applied to the pages and the autosave timer.
#include "../../dialogs/ui/modaldialog.h"
#include "colorgrid.h"
#include "hotkeyedit.h"
#include "installdir.h"
#include "mainwindow.h"
#include "scriptedinteraction.h"
#include "search_modal.h"
#include "shortcutfile.h"
#include "testsandbox.h"
#include "thtmlrichedit.h"
#include "timagebuild.h"
#include "tpreffdialog.h"
#include "tregini.h"
#include "tshortcutdialog.h"
#include "ttabledialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFontInfo>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace lumaro;
using lumaro::test::ModalDriver;
using lumaro::test::WhenModal;

namespace {

class MainWindowShortcutsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::TestSandbox::clearSettings();
        m_install = test::TestSandbox::makeDir(QStringLiteral("shortcuts-install"));
        InstallDir::seed(m_install);
        QFile::remove(shortcutFile());
        tregini::setOverride(QStringLiteral("dir"), QStringLiteral("installdir"), m_install);
    }
    void TearDown() override
    {
        m_window.reset();
        test::TestSandbox::clearSettings();
    }

    QString shortcutFile() const { return QDir(m_install).filePath(QStringLiteral("shortcut.dat")); }
    void writeShortcuts(const QList<ShortcutRecord> &records)
    {
        QFile file(shortcutFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(ShortcutFile::encode(records));
    }
    QByteArray shortcutBytes() const
    {
        QFile file(shortcutFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    /// A fresh main window with one page, shown and active so its keys work.
    void openWindow()
    {
        m_window.reset();
        m_window = std::make_unique<TMainwindow>();
        m_window->FormShow();
        ASSERT_EQ(m_window->pageCount(), 1);
        m_window->show();
        m_window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    }
    thtmlrichedit *page(const QString &text, int start, int length = 0)
    {
        thtmlrichedit *ed = m_window->editor(m_window->activePage());
        ed->loadPlainText(text);
        ed->setModified(false);
        ed->setSelection(start, length);
        ed->setFocus();
        return ed;
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        // A closed modal dialog hands the activation back to the window.
        m_window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
        QTest::keyClick(m_window->editor(m_window->activePage()), key, modifiers);
    }
    /// The preferences command, with the dialog worked by act.
    bool preferences(std::function<void(Tpreffdialog *)> act)
    {
        ModalDriver<Tpreffdialog> driver(std::move(act));
        QAction *general = m_window->command(QStringLiteral("Indstilliinger1"));
        EXPECT_TRUE(general && general->isEnabled());
        if (general)
            general->trigger();
        return driver.seen();
    }

    /// Ctrl+B still wraps in <B>, and the next preferences show the list
    /// as stored.
    void expectCtrlBAsStored()
    {
        thtmlrichedit *ed = page(QStringLiteral("w"), 0, 1);
        press(Qt::Key_B, Qt::ControlModifier);
        EXPECT_EQ(ed->text(), QStringLiteral("<B>w</B>"));
        ASSERT_TRUE(preferences([](Tpreffdialog *d) {
            EXPECT_EQ(d->shortcuts().records()[0].tag, "<B>");
            d->cancelButton()->click();
        }));
    }

    ScriptedInteraction m_ui;
    QString m_install;
    std::unique_ptr<TMainwindow> m_window;
};

TEST_F(MainWindowShortcutsTest, KeyDefinedInThePreferencesWrapsTheSelectionInTheNextWindow)
{
    openWindow();
    ASSERT_TRUE(preferences([](Tpreffdialog *d) {
        WhenModal<Tshortcutdialog> add([](Tshortcutdialog *s) {
            QTest::keyClick(s->keyEdit(), Qt::Key_B, Qt::ControlModifier);
            QTest::keyClicks(s->tagEdit(), "<B>");
            ASSERT_TRUE(s->endingCheck()->isChecked());
            s->okButton()->click();
        });
        d->newButton()->click();
        ASSERT_TRUE(add.ran());
        d->okButton()->click();
    }));
    EXPECT_EQ(shortcutBytes(), ShortcutFile::encode({{"1", 0x4042, "<B>", true}}));

    openWindow();
    thtmlrichedit *ed = page(QStringLiteral("a word here"), 2, 4);
    press(Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(ed->text(), QStringLiteral("a <B>word</B> here"));
    EXPECT_TRUE(ed->isModified());

    ed = page(QStringLiteral("ab"), 1);
    press(Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(ed->text(), QStringLiteral("a<B></B>b"));
    EXPECT_EQ(ed->caretPosition(), 4);
}

TEST_F(MainWindowShortcutsTest, DialogNamesRunTheirCommands)
{
    writeShortcuts({{"1", 0x4054, "\"table\"", false}, {"2", 0x8049, "\"image\"", false}});
    openWindow();
    thtmlrichedit *ed = page(QStringLiteral("[]"), 1);
    ModalDriver<Ttabledialog> table([](Ttabledialog *d) { d->okButton()->click(); });
    press(Qt::Key_T, Qt::ControlModifier);
    ASSERT_TRUE(table.seen());
    EXPECT_EQ(ed->text(), QStringLiteral("[<TABLE ALIGN=LEFT BORDER=2>\r\n\r\n</TABLE>]"));

    // The image dialog opens as its button opens it; the name itself is
    // never written into the page.
    ed = page(QStringLiteral("x"), 1);
    ModalDriver<Timagebuild> image([](Timagebuild *d) { d->cancelButton()->click(); });
    press(Qt::Key_I, Qt::AltModifier);
    EXPECT_TRUE(image.seen());
    EXPECT_EQ(ed->text(), QStringLiteral("x"));
}

TEST_F(MainWindowShortcutsTest, TheWindowsOwnKeysAndUnsafeKeysStayTheirs)
{
    const QString file = test::TestSandbox::makeDir("saved") + "/p.htm";
    QFile html(file);
    ASSERT_TRUE(html.open(QIODevice::WriteOnly));
    html.write("<P>");
    html.close();
    writeShortcuts({{"1", 0x4053, "<S>", false},   // Ctrl+S saves
                    {"2", 0x0042, "<X>", false},   // plain B would capture typing
                    {"3", 0x8055, "<U>", false},   // Alt+U
                    {"4", 0x8055, "<Y>", false},   // the same key: only the first binds
                    {"5", 0x4C07, "<Z>", false}}); // no such key
    openWindow();
    ASSERT_TRUE(m_window->openfilproj(file));
    ASSERT_EQ(m_window->pageCount(), 2);
    m_window->selectPage(1);
    thtmlrichedit *ed = page(QStringLiteral("<P>x"), 4);
    ed->setModified(true);
    press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(ed->isModified()) << "Ctrl+S saved the page";
    EXPECT_EQ(ed->text(), QStringLiteral("<P>x"));
    ASSERT_TRUE(html.open(QIODevice::ReadOnly));
    EXPECT_EQ(html.readAll(), QByteArray("<P>x"));
    html.close();

    press(Qt::Key_B, Qt::NoModifier);
    press(Qt::Key_U, Qt::AltModifier);
    EXPECT_EQ(ed->text(), QStringLiteral("<P>xb<U>"));
}

TEST_F(MainWindowShortcutsTest, NoPageNoInsertion)
{
    writeShortcuts({{"1", 0x4042, "<B>", true}});
    openWindow();
    m_window->lukfilproj(0);
    ASSERT_EQ(m_window->pageCount(), 0);
    QTest::keyClick(m_window.get(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_TRUE(m_window->editor(0)->text().isEmpty());
}

TEST_F(MainWindowShortcutsTest, CancelledShortcutEditsLeaveTheKeysAsTheFileSays)
{
    writeShortcuts({{"1", 0x4042, "<B>", true}});
    const QByteArray stored = shortcutBytes();
    openWindow();
    ASSERT_TRUE(preferences([](Tpreffdialog *d) {
        d->grid()->selectRow(0);
        WhenModal<Tshortcutdialog> edit([](Tshortcutdialog *s) {
            s->tagEdit()->setText("<I>");
            s->okButton()->click();
        });
        d->modifyButton()->click();
        ASSERT_TRUE(edit.ran());
        ASSERT_EQ(d->shortcuts().records()[0].tag, "<I>");
        d->cancelButton()->click();
    }));
    EXPECT_EQ(shortcutBytes(), stored);
    expectCtrlBAsStored();
}

TEST_F(MainWindowShortcutsTest, CancelKeepsOnlyTheLiveColourSettings)
{
    openWindow();
    ASSERT_TRUE(preferences([](Tpreffdialog *d) {
        d->wordwrapCheck()->click();
        d->minutesEdit()->setValue(9);
        d->browserEdit()->setText("/usr/bin/b");
        d->classList()->setCurrentRow(1);
        d->colorGrid()->swatch(2)->click();
        d->cancelButton()->click();
    }));
    const tregini settings;
    EXPECT_EQ(settings.readcolorindex("center"), 2);
    EXPECT_FALSE(settings.readwordwrap());
    EXPECT_EQ(settings.readautosavetime(), "5");
    EXPECT_TRUE(settings.readbrowser().isEmpty());
    EXPECT_FALSE(QFile::exists(shortcutFile()));
}

TEST_F(MainWindowShortcutsTest, OkRecoloursEveryPageWithoutModifyingIt)
{
    openWindow();
    thtmlrichedit *ed = page(QStringLiteral("<A HREF=\"x\">a</A>"), 0);
    ASSERT_TRUE(preferences([](Tpreffdialog *d) {
        d->useColorCheck()->click();
        d->classList()->setCurrentRow(0);
        d->colorGrid()->swatch(9)->click();
        d->wordwrapCheck()->click();
        d->autosaveCheck()->click();
        d->autosaveCheck()->click();
        d->minutesEdit()->setValue(3);
        d->okButton()->click();
    }));
    EXPECT_FALSE(ed->isModified());
    for (int position : {1, 13})
        EXPECT_EQ(ed->shownFormat(position).foreground().color(), QColor(255, 0, 0)) << position;
    EXPECT_NE(ed->shownFormat(12).foreground().color(), QColor(255, 0, 0)) << "the link text";
    EXPECT_EQ(ed->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_TRUE(m_window->autosaveTimer()->isActive());
    EXPECT_EQ(m_window->autosaveTimer()->interval(), 3 * 60000);
    const tregini settings;
    EXPECT_TRUE(settings.readwordwrap());
    EXPECT_EQ(settings.readautosavetime(), "3");
    EXPECT_EQ(shortcutBytes(), QByteArray()) << "an empty list is an empty file";
}

TEST_F(MainWindowShortcutsTest, UnreadableAndUnwritableShortcutFilesAreReported)
{
    // A directory in the file's place can be neither read nor replaced.
    ASSERT_TRUE(QDir().mkpath(shortcutFile()));
    openWindow();
    ASSERT_FALSE(m_ui.messages.isEmpty());
    EXPECT_TRUE(m_ui.lastMessage().contains(shortcutFile())) << m_ui.lastMessage().toStdString();
    m_ui.messages.clear();
    ASSERT_TRUE(preferences([](Tpreffdialog *d) {
        d->wordwrapCheck()->click();
        d->okButton()->click();
    }));
    ASSERT_EQ(m_ui.messages.size(), 1);
    EXPECT_TRUE(m_ui.lastMessage().startsWith("Cannot write " + shortcutFile()));
    EXPECT_TRUE(tregini().readwordwrap()) << "the rest of Ok still ran";
}

TEST_F(MainWindowShortcutsTest, StoredKeysThatThePageUsesItselfRunTheShortcut)
{
    writeShortcuts({{"1", 0x405A, "<B>", true},     // Ctrl+Z
                    {"2", 0x4024, "<H>", false},    // Ctrl+Home
                    {"3", 0x6025, "<L>", false},    // Ctrl+Shift+Left
                    {"4", 0x4041, "<A>", false}});  // Ctrl+A
    openWindow();
    thtmlrichedit *ed = page(QStringLiteral("a word here"), 2, 4);
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(ed->text(), QStringLiteral("a <B>word</B> here"));
    press(Qt::Key_Home, Qt::ControlModifier);
    press(Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);
    press(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(ed->text(), QStringLiteral("a <B>word</B><H><L><A> here"));
    // Keys bound to nothing keep their work in the page.
    press(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(ed->caretPosition(), ed->text().size());
}

TEST_F(MainWindowShortcutsTest, TheNewShortcutDialogRefusesThePagesKeysAndLetsEnterAndEscapeThrough)
{
    writeShortcuts({{"1", 0x4042, "<B>", true}, {"2", 0x4049, "<I>", true}});
    openWindow();
    ASSERT_TRUE(preferences([this](Tpreffdialog *d) {
        // The grid opens on its first row, which Modify and Delete act on.
        EXPECT_EQ(d->grid()->currentRow(), 0);
        EXPECT_TRUE(d->grid()->selectionModel()->isRowSelected(0, {}));
        for (const QKeyCombination key : {Qt::CTRL | Qt::Key_Z, Qt::CTRL | Qt::Key_Home, Qt::CTRL | Qt::Key_Left,
                                          Qt::CTRL | Qt::SHIFT | Qt::Key_End, Qt::CTRL | Qt::Key_Insert}) {
            m_ui.messages.clear();
            WhenModal<Tshortcutdialog> add([key](Tshortcutdialog *s) {
                QTest::keyClick(s->keyEdit(), key.key(), key.keyboardModifiers());
                QTest::keyClicks(s->tagEdit(), "<U>");
                s->okButton()->click();
                EXPECT_TRUE(s->isVisible());
                s->cancelButton()->click();
            });
            d->newButton()->click();
            ASSERT_TRUE(add.ran());
            ASSERT_EQ(m_ui.messages.size(), 1);
            EXPECT_EQ(m_ui.lastMessage(), QStringLiteral("This key is already in use"));
        }
        EXPECT_EQ(d->shortcuts().size(), 2);

        // Enter in the hot-key field is OK: the shortcut is kept as it was.
        m_ui.messages.clear();
        WhenModal<Tshortcutdialog> modify([](Tshortcutdialog *s) {
            s->keyEdit()->setFocus();
            QTest::keyClick(s->keyEdit(), Qt::Key_Return);
        });
        d->modifyButton()->click();
        ASSERT_TRUE(modify.ran());
        EXPECT_TRUE(m_ui.messages.isEmpty());
        EXPECT_EQ(d->shortcuts().records()[0].key, 0x4042);

        // Escape cancels, recording nothing.
        WhenModal<Tshortcutdialog> escape([](Tshortcutdialog *s) {
            s->keyEdit()->setFocus();
            QTest::keyClick(s->keyEdit(), Qt::Key_Escape);
        });
        d->newButton()->click();
        ASSERT_TRUE(escape.ran());
        EXPECT_EQ(d->shortcuts().size(), 2);
        d->cancelButton()->click();
    }));
}

TEST_F(MainWindowShortcutsTest, AFailedWriteKeepsTheKeysAndTheListAsTheFileIs)
{
    writeShortcuts({{"1", 0x4042, "<B>", true}});
    openWindow();
    // The file cannot be replaced now: a directory stands in its place.
    ASSERT_TRUE(QFile::remove(shortcutFile()));
    ASSERT_TRUE(QDir().mkpath(shortcutFile()));
    ASSERT_TRUE(preferences([](Tpreffdialog *d) {
        WhenModal<Tshortcutdialog> edit([](Tshortcutdialog *s) {
            s->tagEdit()->setText("<I>");
            s->okButton()->click();
        });
        d->modifyButton()->click();
        ASSERT_TRUE(edit.ran());
        d->okButton()->click();
    }));
    ASSERT_EQ(m_ui.messages.size(), 1);
    EXPECT_TRUE(m_ui.lastMessage().contains(QStringLiteral("The shortcuts stay as they were")));
    expectCtrlBAsStored();
}

TEST_F(MainWindowShortcutsTest, OkWithoutAChangeKeepsTheStoredFontAndAutosave)
{
    {
        tregini settings;
        settings.writefontname(QStringLiteral("No Such Font Lumaro"));
        settings.writefontsize(11);
        settings.writeautosavetime(QStringLiteral("0"));
    }
    openWindow();
    const QString shown = QFontInfo(QFont(QStringLiteral("No Such Font Lumaro"))).family();
    QFont unchanged(shown);
    unchanged.setPointSize(11);
    m_ui.fontAnswers.enqueue(unchanged);
    ASSERT_TRUE(preferences([](Tpreffdialog *d) {
        EXPECT_FALSE(d->autosaveCheck()->isChecked()) << "a time of 0 runs no autosave";
        d->selectFontButton()->click();
        d->okButton()->click();
    }));
    ASSERT_EQ(m_ui.fontRequests.size(), 1);
    EXPECT_EQ(m_ui.fontRequests[0].family(), shown);
    EXPECT_EQ(m_ui.fontRequests[0].pointSize(), 11);
    const tregini settings;
    EXPECT_EQ(settings.readfontname(), QStringLiteral("No Such Font Lumaro"));
    EXPECT_EQ(settings.readautosavetime(), QStringLiteral("0"));
    EXPECT_FALSE(m_window->autosaveTimer()->isActive());
}

TEST_F(MainWindowShortcutsTest, TruncatedFileGivesItsWholeRecords)
{
    QFile file(shortcutFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(ShortcutFile::encode({{"1", 0x4042, "<B>", false}, {"2", 0x4049, "<I>", false}}).left(900));
    file.close();
    openWindow();
    EXPECT_TRUE(m_ui.messages.isEmpty());
    thtmlrichedit *ed = page(QString(), 0);
    press(Qt::Key_B, Qt::ControlModifier);
    press(Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(ed->text(), QStringLiteral("<B>"));
}

} // namespace
