#include "dialogrunner.h"
#include "helpservice.h"
#include "projectfile.h"
#include "projectfilelist.h"
#include "scriptedinteraction.h"
#include "testsandbox.h"
#include "tinifil.h"
#include "tprojectoptions.h"
#include "tprojmanager.h"
#include "tprojoptionsroot.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileSystemModel>
#include <QTreeView>
#include <QDir>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {

// Sends a drop of mime data onto a list, as a drag from the other list ends.
bool dropOnto(ProjectFileList *list, QMimeData *data)
{
    const QPointF at(5, 5);
    QDragEnterEvent enter(at.toPoint(), Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list->viewport(), &enter);
    QDropEvent drop(at, Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list->viewport(), &drop);
    delete data;
    return drop.isAccepted();
}

} // namespace

class ProjectDialogsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::TestSandbox::clearSettings();
        setInteraction(&m_ui);
        setHelp(&m_help);
        m_dir = test::TestSandbox::makeDir(QStringLiteral("projectdialogs"));
    }
    void TearDown() override
    {
        DialogRunner::set({});
        setInteraction(nullptr);
        setHelp(nullptr);
    }
    ScriptedInteraction m_ui;
    RecordingHelp m_help;
    QString m_dir;
};

TEST_F(ProjectDialogsTest, ManagerShowsTheProject)
{
    Tprojmanager manager(ProjectFile::image(QStringLiteral("/w/site.lmp"),
                                            {{"/w/b.html", true}, {"/w/z.html", false}, {"/w/a.html", true}}));
    EXPECT_EQ(manager.windowTitle(), QStringLiteral("Project manager"));
    EXPECT_EQ(manager.statusText(), QStringLiteral("/w/site.lmp"));
    EXPECT_EQ(manager.openList()->files(), QStringList({"/w/a.html", "/w/b.html"}));
    EXPECT_EQ(manager.closedList()->files(), QStringList({"/w/z.html"}));
    EXPECT_EQ(manager.addButton()->toolTip(), QStringLiteral("Add file"));
    EXPECT_EQ(manager.removeButton()->toolTip(), QStringLiteral("Remove file"));
    EXPECT_EQ(manager.closeButton()->toolTip(), QStringLiteral("Close"));
    EXPECT_EQ(manager.openList()->selectionMode(), QAbstractItemView::ExtendedSelection);
}

TEST_F(ProjectDialogsTest, DraggingBetweenTheLists)
{
    Tprojmanager manager(ProjectFile::image(QStringLiteral("p"),
                                            {{"/a.html", true}, {"/b.html", true}, {"/c.html", false}}));
    ProjectFileList *open = manager.openList();
    ProjectFileList *closed = manager.closedList();
    open->item(0)->setSelected(true);
    open->item(1)->setSelected(true);
    // A list does not take a drop from itself.
    EXPECT_FALSE(dropOnto(open, open->dragData(open->selectedFiles())));
    EXPECT_EQ(open->files().size(), 2);
    // All selected items move to the other list.
    EXPECT_TRUE(dropOnto(closed, open->dragData(open->selectedFiles())));
    EXPECT_TRUE(open->files().isEmpty());
    EXPECT_EQ(closed->files(), QStringList({"/a.html", "/b.html", "/c.html"}));
    // Other drops are refused.
    auto *text = new QMimeData;
    text->setText(QStringLiteral("/x.html"));
    EXPECT_FALSE(dropOnto(open, text));
    EXPECT_TRUE(open->files().isEmpty());
}

TEST_F(ProjectDialogsTest, RemoveFileRemovesSelectedClosedEntries)
{
    Tprojmanager manager(ProjectFile::image(QStringLiteral("p"),
                                            {{"/a.html", false}, {"/b.html", false}, {"/o.html", true}}));
    manager.openList()->item(0)->setSelected(true);
    manager.closedList()->item(1)->setSelected(true);
    manager.removeButton()->click();
    EXPECT_EQ(manager.closedList()->files(), QStringList{"/a.html"});
    EXPECT_EQ(manager.openList()->files(), QStringList{"/o.html"});
    manager.closeButton()->click();
    EXPECT_EQ(manager.result(), QDialog::Accepted);
    EXPECT_EQ(ProjectFile::records(manager.rewrittenList()),
              (QList<ProjectRecord>{{"/a.html", false}, {"/o.html", true}}));
}

TEST_F(ProjectDialogsTest, AddFileCancelledAddsNothing)
{
    Tprojmanager manager(ProjectFile::image(QStringLiteral("p"), {}));
    manager.addButton()->click();
    EXPECT_TRUE(manager.closedList()->files().isEmpty());
    ASSERT_EQ(m_ui.fileRequests.size(), 1);
}

TEST_F(ProjectDialogsTest, PreferencesShowAndWriteTheOptions)
{
    const QString file = m_dir + QStringLiteral("/site.lmo");
    tinifil options(file);
    options.writeauto(true);
    options.writeroot(QStringLiteral("/srv/web"));
    options.writeuseimageroot(true);

    Tprojectoptions dialog(file, nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Project preferences"));
    EXPECT_EQ(dialog.pages()->currentIndex(), 0);
    EXPECT_EQ(dialog.pages()->tabText(0), QStringLiteral("Preferences"));
    EXPECT_TRUE(dialog.autoUrlBox()->isChecked());
    EXPECT_TRUE(dialog.convCharBox()->isChecked());
    EXPECT_FALSE(dialog.useRootBox()->isChecked());
    EXPECT_EQ(dialog.rootLabel()->text(), QStringLiteral("/srv/web"));
    EXPECT_TRUE(dialog.useImageRootBox()->isChecked());
    EXPECT_EQ(dialog.imageRootLabel()->text(), QStringLiteral("c:\\"));
    EXPECT_EQ(dialog.autoUrlBox()->text(), QStringLiteral("Automatic replace Dos-path with URL"));
    EXPECT_EQ(dialog.convCharBox()->text(), QStringLiteral("Convert special characters to tags when publish"));
    EXPECT_EQ(dialog.useRootBox()->text(), QStringLiteral("Use a standard root for the project"));
    EXPECT_EQ(dialog.useImageRootBox()->text(), QStringLiteral("Use a standard dir to images"));

    dialog.convCharBox()->setChecked(false);
    dialog.useRootBox()->setChecked(true);
    dialog.okClick();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const ProjectOptions written = ProjectOptions::read(tinifil(file));
    const ProjectOptions expected{true, false, true, QStringLiteral("/srv/web"), true, QStringLiteral("c:\\")};
    EXPECT_EQ(written, expected);
}

TEST_F(ProjectDialogsTest, PreferencesCancelAndHelp)
{
    const QString file = m_dir + QStringLiteral("/cancel.lmo");
    Tprojectoptions dialog(file, nullptr);
    dialog.autoUrlBox()->setChecked(true);
    for (QPushButton *b : dialog.findChildren<QPushButton *>()) {
        if (b->text() == QLatin1String("Help"))
            b->click();
    }
    EXPECT_EQ(m_help.topics, QList<int>{1440});
    for (QPushButton *b : dialog.findChildren<QPushButton *>()) {
        if (b->text() == QLatin1String("Cancel"))
            b->click();
    }
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(QFileInfo::exists(file));
}

TEST_F(ProjectDialogsTest, PreferencesWriteFailureKeepsTheDialogOpen)
{
    Tprojectoptions dialog(m_dir + QStringLiteral("/no/such/dir/x.lmo"), nullptr);
    dialog.show();
    dialog.okClick();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(m_ui.lastMessage().contains(QStringLiteral("x.lmo")));
}

TEST_F(ProjectDialogsTest, BrowseRoundTripsFileUrl)
{
    const QString chosen = QDir::toNativeSeparators(m_dir);
    Tprojoptionsroot picker;
    Tprojectoptions dialog(m_dir + QStringLiteral("/b.lmo"), &picker);
    dialog.rootLabel()->setText(QStringLiteral("/somewhere/else"));

    DialogRunner::set([&](QDialog &shown) {
        EXPECT_EQ(&shown, &picker);
        EXPECT_FALSE(picker.fileUrlBox()->isChecked());
        EXPECT_EQ(picker.directoryLabel()->text(), QStringLiteral("/somewhere/else"));
        picker.setDirectory(chosen);
        picker.fileUrlBox()->setChecked(true);
        return int(QDialog::Accepted);
    });
    dialog.browseRootClick();
    EXPECT_EQ(dialog.rootLabel()->text(), QStringLiteral("file:///") + chosen);

    // Showing the picker again for that value ticks the box and drops the prefix.
    DialogRunner::set([&](QDialog &) {
        EXPECT_TRUE(picker.fileUrlBox()->isChecked());
        EXPECT_EQ(picker.directory(), chosen);
        EXPECT_EQ(picker.directoryLabel()->text(), chosen);
        return int(QDialog::Rejected);
    });
    dialog.browseRootClick();
    EXPECT_EQ(dialog.rootLabel()->text(), QStringLiteral("file:///") + chosen);

    // The image directory, without the prefix.
    DialogRunner::set([&](QDialog &) {
        picker.setDirectory(chosen);
        picker.fileUrlBox()->setChecked(false);
        return int(QDialog::Accepted);
    });
    dialog.browseImageClick();
    EXPECT_EQ(dialog.imageRootLabel()->text(), chosen);
}

TEST_F(ProjectDialogsTest, PickerTreeChoosesADirectory)
{
    QDir(m_dir).mkpath(QStringLiteral("inner"));
    Tprojoptionsroot picker;
    picker.setDirectoryText(QStringLiteral("file:///") + m_dir);
    EXPECT_TRUE(picker.fileUrlBox()->isChecked());
    EXPECT_EQ(picker.directory(), m_dir);
    EXPECT_EQ(picker.tree()->currentIndex().data(QFileSystemModel::FilePathRole).toString(), m_dir);
    // A click in the tree chooses the directory.
    auto *model = qobject_cast<QFileSystemModel *>(picker.tree()->model());
    ASSERT_NE(model, nullptr);
    const QModelIndex inner = model->index(m_dir + QStringLiteral("/inner"));
    ASSERT_TRUE(inner.isValid());
    picker.tree()->setCurrentIndex(inner);
    EXPECT_EQ(picker.directory(), QDir::toNativeSeparators(m_dir + QStringLiteral("/inner")));
    EXPECT_EQ(picker.directoryText(), QStringLiteral("file:///") + QDir::toNativeSeparators(m_dir + QStringLiteral("/inner")));
    picker.setDirectoryText(QStringLiteral("c:\\"));
    EXPECT_FALSE(picker.fileUrlBox()->isChecked());
    EXPECT_EQ(picker.directoryText(), QStringLiteral("c:\\"));
}
