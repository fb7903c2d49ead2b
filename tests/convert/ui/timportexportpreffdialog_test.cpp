#include "convertfixture.h"
#include "helpservice.h"
#include "timportexportpreffdialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

using namespace lumaro;
using lumaro::test::ConvertFixture;

namespace {

class ImportExportDialog : public ConvertFixture {};

TEST_F(ImportExportDialog, CaptionsAndLabels)
{
    Timportexportpreffdialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("RTF Import / Export"));
    ASSERT_EQ(dialog.tabs()->count(), 2);
    EXPECT_EQ(dialog.tabs()->tabText(0), QStringLiteral("Misc tags"));
    EXPECT_EQ(dialog.tabs()->tabText(1), QStringLiteral("Font size and color"));
    EXPECT_EQ(dialog.okButton()->text(), QStringLiteral("Ok"));
    EXPECT_EQ(dialog.cancelButton()->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(dialog.helpButton()->text(), QStringLiteral("Help"));
    EXPECT_EQ(dialog.useFontCheck()->text(), QStringLiteral("Use font"));
    EXPECT_EQ(dialog.selectFontButton()->text(), QStringLiteral("Select font"));

    QStringList labels;
    for (QLabel *label : dialog.findChildren<QLabel *>())
        labels << label->text();
    for (const char *text : {"Line break", "Bold", "Italic", "Underlined", "Striketru", "F1", "F7"})
        EXPECT_TRUE(labels.contains(QString::fromLatin1(text))) << text;
    QStringList groups;
    for (QGroupBox *group : dialog.findChildren<QGroupBox *>())
        groups << group->title();
    EXPECT_TRUE(groups.contains(QStringLiteral("Font size")));
    EXPECT_TRUE(groups.contains(QStringLiteral("Standard font")));
    for (int n = 1; n <= 7; ++n)
        EXPECT_EQ(dialog.sizeEdit(n)->minimum(), 0);
}

TEST_F(ImportExportDialog, ShowsTheStoredValues)
{
    tregini store;
    store.writecrtags(QStringLiteral("BR"));
    store.writeitags(QStringLiteral("EM"));
    store.writeief(5, QStringLiteral("22"));
    store.writeusefonttype(false);
    store.writeiefont(QStringLiteral("Verdana"));
    Timportexportpreffdialog dialog;
    EXPECT_EQ(dialog.lineBreakEdit()->text(), QStringLiteral("BR"));
    EXPECT_EQ(dialog.boldEdit()->text(), QStringLiteral("B"));
    EXPECT_EQ(dialog.italicEdit()->text(), QStringLiteral("EM"));
    EXPECT_EQ(dialog.underlinedEdit()->text(), QStringLiteral("U"));
    EXPECT_EQ(dialog.strikeEdit()->text(), QStringLiteral("S"));
    EXPECT_EQ(dialog.sizeEdit(1)->value(), 5);
    EXPECT_EQ(dialog.sizeEdit(5)->value(), 22);
    EXPECT_EQ(dialog.sizeEdit(7)->value(), 30);
    EXPECT_FALSE(dialog.useFontCheck()->isChecked());
    EXPECT_EQ(dialog.standardFontEdit()->text(), QStringLiteral("Verdana"));
}

TEST_F(ImportExportDialog, OkWritesEverything)
{
    Timportexportpreffdialog dialog;
    dialog.boldEdit()->setText(QStringLiteral("STRONG"));
    dialog.strikeEdit()->setText(QStringLiteral("STRIKE"));
    dialog.sizeEdit(3)->setValue(14);
    dialog.useFontCheck()->setChecked(false);
    dialog.standardFontEdit()->setText(QStringLiteral("Tahoma"));
    dialog.okButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    const ImportExportPrefs stored = ImportExportPrefs::read();
    EXPECT_EQ(stored.bold, QStringLiteral("STRONG"));
    EXPECT_EQ(stored.strike, QStringLiteral("STRIKE"));
    EXPECT_EQ(stored.f[2], QStringLiteral("14"));
    EXPECT_EQ(stored.f[0], QStringLiteral("5"));
    EXPECT_FALSE(stored.usefonttype);
    EXPECT_EQ(stored.standardfont, QStringLiteral("Tahoma"));
    EXPECT_EQ(stored.cr, QStringLiteral("P"));
}

TEST_F(ImportExportDialog, CancelWritesNothing)
{
    Timportexportpreffdialog dialog;
    dialog.boldEdit()->setText(QStringLiteral("STRONG"));
    dialog.sizeEdit(2)->setValue(1);
    dialog.cancelButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(tregini().readbtags(), QStringLiteral("B"));
    EXPECT_EQ(tregini().readief(2), QStringLiteral("9"));
}

TEST_F(ImportExportDialog, AThresholdThatIsNoNumberIsRepairedOnlyWhenChanged)
{
    tregini().writeief(4, QStringLiteral("x"));
    tregini().writeief(6, QStringLiteral("025"));
    {
        Timportexportpreffdialog dialog;
        EXPECT_EQ(dialog.value().f[5], QStringLiteral("025")); // unchanged text is kept
        dialog.okButton()->click();
    }
    EXPECT_EQ(tregini().readief(6), QStringLiteral("025"));
    EXPECT_EQ(tregini().readief(4), QStringLiteral("0"));
}

TEST_F(ImportExportDialog, SelectFontPutsTheChosenNameInTheEdit)
{
    Timportexportpreffdialog dialog;
    m_ui.fontAnswers.enqueue(QFont(QStringLiteral("Courier New")));
    dialog.selectFontButton()->click();
    EXPECT_EQ(dialog.standardFontEdit()->text(), QStringLiteral("Courier New"));
    dialog.selectFontButton()->click(); // cancelled
    EXPECT_EQ(dialog.standardFontEdit()->text(), QStringLiteral("Courier New"));
}

TEST_F(ImportExportDialog, HelpOpensItsTopic)
{
    RecordingHelp recording;
    Timportexportpreffdialog dialog;
    dialog.helpButton()->click();
    EXPECT_EQ(recording.topics, QList<int>{1450});
}

TEST_F(ImportExportDialog, OpensOnTheFirstTabWithTheLineBreakFocused)
{
    Timportexportpreffdialog dialog;
    dialog.tabs()->setCurrentIndex(1);
    dialog.show();
    QApplication::processEvents();
    EXPECT_EQ(dialog.tabs()->currentIndex(), 0);
    dialog.activateWindow();
    QApplication::processEvents();
    EXPECT_EQ(dialog.focusWidget(), dialog.lineBreakEdit());
}

} // namespace
