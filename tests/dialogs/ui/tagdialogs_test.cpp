// The dialog views offscreen: the colour control set, the border-colour rule
// and focus chain, decoding on activation, help buttons and tab order.
#include "bordercolorspanel.h"
#include "colorcombo.h"
#include "colorcontrolset.h"
#include "helpservice.h"
#include "radiogroup.h"
#include "scriptedinteraction.h"
#include "scriptedpicker.h"
#include "tanchordialog.h"
#include "tbold.h"
#include "tcenterdialog.h"
#include "testsandbox.h"
#include "tfontstdialog.h"
#include "titalic.h"
#include "tjumptodialog.h"
#include "tjumptoheredialog.h"
#include "ttablebuilderdialog.h"
#include "ttablecaptiondialog.h"
#include "ttabledatadialog.h"
#include "ttabledialog.h"
#include "ttablerowdialog.h"
#include "tunderlinieret.h"
#include "updownedit.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {

class TagDialogsTest : public ::testing::Test {
protected:
    void SetUp() override { lumaro::test::TestSandbox::clearSettings(); }
    ScriptedInteraction scripted;  // installs itself as the interaction service
};

TEST_F(TagDialogsTest, ComboPickWritesValueIntoEdit)
{
    ColorControlSet set;
    QStringList changes;
    QObject::connect(&set, &ColorControlSet::valueChanged, [&changes](const QString &v) { changes << v; });
    emit set.combo()->activated(4);
    EXPECT_EQ(set.value(), QStringLiteral("#000080"));
    EXPECT_EQ(set.combo()->currentIndex(), 4);
    EXPECT_EQ(changes, QStringList{QStringLiteral("#000080")});
}

TEST_F(TagDialogsTest, EditIsSourceOfTruthForCombo)
{
    ColorControlSet set;
    EXPECT_EQ(set.combo()->currentIndex(), -1);
    set.setValue(QStringLiteral("#FFFF00"));
    EXPECT_EQ(set.combo()->currentIndex(), 11);
    set.edit()->setText(QStringLiteral("#123456"));
    EXPECT_EQ(set.combo()->currentIndex(), -1);
    EXPECT_EQ(set.value(), QStringLiteral("#123456"));
    set.setValue(QStringLiteral("red"));
    EXPECT_EQ(set.combo()->currentIndex(), -1);
    set.setValue(QStringLiteral("#ff0000"));
    EXPECT_EQ(set.combo()->currentIndex(), -1);
}

TEST_F(TagDialogsTest, ColorButtonWritesUpperCaseHex)
{
    ColorControlSet set;
    EXPECT_EQ(set.colorButton()->toolTip(), QStringLiteral("ColorDialog"));
    int closed = 0;
    QObject::connect(&set, &ColorControlSet::colorDialogClosed, [&closed] { ++closed; });
    scripted.colorAnswers.enqueue(QColor(255, 0, 0));
    set.colorButton()->click();
    EXPECT_EQ(set.value(), QStringLiteral("#FF0000"));
    EXPECT_EQ(set.combo()->currentIndex(), 9);
    scripted.colorAnswers.enqueue(QColor(0x12, 0x34, 0xab));
    set.colorButton()->click();
    EXPECT_EQ(set.value(), QStringLiteral("#1234AB"));
    scripted.colorAnswers.enqueue(std::nullopt);
    set.colorButton()->click();
    EXPECT_EQ(set.value(), QStringLiteral("#1234AB"));
    EXPECT_EQ(closed, 3);
}

TEST_F(TagDialogsTest, SwatchAndNameDrawnAtTheirOffsets)
{
    ColorCombo combo;
    QImage image(200, 24, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    combo.drawItem(&p, QRect(0, 0, 200, 24), 12, Qt::black);  // Blue
    p.end();
    // Inside the swatch (its one-pixel frame excluded).
    EXPECT_EQ(image.pixelColor(ColorCombo::SwatchX + 2, ColorCombo::SwatchY + 2), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(ColorCombo::SwatchX + ColorCombo::swatchSize().width() - 3,
                               ColorCombo::SwatchY + ColorCombo::swatchSize().height() - 3),
              QColor(0, 0, 255));
    // Nothing left of and above the swatch.
    EXPECT_EQ(image.pixelColor(ColorCombo::SwatchX - 1, ColorCombo::SwatchY + 2), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(ColorCombo::SwatchX + 2, ColorCombo::SwatchY - 1), QColor(Qt::white));
    // The name starts at the text offset: some dark pixel right of it, none between swatch and text.
    bool textFound = false;
    for (int x = ColorCombo::TextX; x < 200 && !textFound; ++x)
        for (int y = ColorCombo::TextY; y < 24 && !textFound; ++y)
            textFound = image.pixelColor(x, y).lightness() < 128;
    EXPECT_TRUE(textFound);
    for (int x = ColorCombo::SwatchX + ColorCombo::swatchSize().width() + 1; x < ColorCombo::TextX - 1; ++x)
        for (int y = 0; y < 24; ++y)
            ASSERT_EQ(image.pixelColor(x, y), QColor(Qt::white)) << x << "," << y;
    EXPECT_EQ(combo.count(), 16);
    EXPECT_EQ(combo.itemText(15), QStringLiteral("White"));
}

TEST_F(TagDialogsTest, BorderColourRuleWhileEditing)
{
    BorderColorsPanel panel;
    emit panel.light()->combo()->activated(15);
    panel.dark()->setValue(QStringLiteral("#000000"));
    EXPECT_EQ(panel.light()->value(), QStringLiteral("#FFFFFF"));
    // Picking a border colour after the light one empties light and dark.
    emit panel.border()->combo()->activated(9);
    EXPECT_EQ(panel.border()->value(), QStringLiteral("#FF0000"));
    EXPECT_TRUE(panel.light()->value().isEmpty());
    EXPECT_TRUE(panel.dark()->value().isEmpty());
    EXPECT_EQ(panel.light()->combo()->currentIndex(), -1);
    EXPECT_EQ(panel.dark()->combo()->currentIndex(), -1);
    // The colour button counts too.
    scripted.colorAnswers.enqueue(QColor(0x11, 0x22, 0x33));
    panel.dark()->colorButton()->click();
    EXPECT_EQ(panel.dark()->value(), QStringLiteral("#112233"));
    EXPECT_TRUE(panel.border()->value().isEmpty());
    EXPECT_EQ(panel.border()->combo()->currentIndex(), -1);
    // Typing into the border colour box as well.
    panel.border()->edit()->setText(QStringLiteral("blue"));
    EXPECT_TRUE(panel.dark()->value().isEmpty());
    const BorderColors c = panel.colors();
    EXPECT_EQ(c.border(), QStringLiteral("blue"));
    EXPECT_TRUE(c.light().isEmpty());
}

TEST_F(TagDialogsTest, TableDialogBorderColourOnlyWritesBorderColor)
{
    Ttabledialog d;
    d.setTagText(QStringLiteral("<TABLE BORDER=1>"));
    d.show();
    emit d.colorsPanel()->light()->combo()->activated(15);
    emit d.colorsPanel()->border()->combo()->activated(0);
    d.okButton()->click();
    EXPECT_EQ(d.tagText(), QStringLiteral("<TABLE ALIGN=LEFT BORDER=1 BORDERCOLOR=#000000>"));
}

TEST_F(TagDialogsTest, ColourButtonsMoveFocusOn)
{
    Ttabledialog d;
    d.show();
    BorderColorsPanel *p = d.colorsPanel();
    const QList<QWidget *> expected = {p->border()->edit(), p->light()->edit(), p->dark()->edit(), d.okButton()};
    for (int i = 0; i < 4; ++i) {
        // Cancelled or not, the focus moves on.
        if (i % 2)
            scripted.colorAnswers.enqueue(QColor(Qt::green));
        p->set(i)->colorButton()->click();
        EXPECT_EQ(d.focusWidget(), expected[i]) << i;
    }
}

TEST_F(TagDialogsTest, TableDialogDecodesOnActivation)
{
    Ttabledialog d;
    d.setTagText(QStringLiteral("<TABLE ALIGN=RIGHT VALIGN=BOTTOM BGCOLOR=#123456 BORDERCOLORLIGHT=#FFFFFF>"));
    d.show();
    EXPECT_EQ(d.alignGroup()->checkedIndex(), 2);
    EXPECT_EQ(d.valignGroup()->checkedIndex(), 2);
    EXPECT_FALSE(d.borderCheck()->isChecked());
    EXPECT_FALSE(d.thicknessEdit()->isEnabled());
    EXPECT_FALSE(d.thicknessLabel()->isEnabled());
    EXPECT_EQ(d.thicknessEdit()->text(), QStringLiteral("2"));
    EXPECT_EQ(d.colorsPanel()->background()->value(), QStringLiteral("#123456"));
    EXPECT_EQ(d.colorsPanel()->background()->combo()->currentIndex(), -1);
    EXPECT_EQ(d.colorsPanel()->light()->combo()->currentIndex(), 15);
    d.borderCheck()->click();
    EXPECT_TRUE(d.thicknessEdit()->isEnabled());
    EXPECT_TRUE(d.okButton()->isDefault());
    d.okButton()->click();
    EXPECT_EQ(d.tagText(), QStringLiteral("<TABLE ALIGN=RIGHT BORDER=2 VALIGN=BOTTOM BGCOLOR=#123456 "
                                          "BORDERCOLORLIGHT=#FFFFFF>"));
}

TEST_F(TagDialogsTest, CancelKeepsTagText)
{
    Ttablerowdialog d;
    d.setTagText(QStringLiteral("<TR>"));
    d.show();
    d.alignGroup()->button(1)->click();
    d.cancelButton()->click();
    EXPECT_EQ(d.tagText(), QStringLiteral("<TR>"));
}

TEST_F(TagDialogsTest, CellDialogFieldsAndCaptionDialog)
{
    Ttabledatadialog cell;
    cell.setTagText(QStringLiteral("<TD COLSPAN=2 WIDTH=\"50\">a<B>b</B></TD>"));
    cell.show();
    EXPECT_EQ(cell.widthEdit()->text(), QStringLiteral("\"50\""));
    EXPECT_EQ(cell.colspanEdit()->text(), QStringLiteral("2"));
    EXPECT_EQ(cell.rowspanEdit()->text(), QStringLiteral("0"));
    EXPECT_EQ(cell.contentEdit()->text(), QStringLiteral("a"));
    cell.rowspanEdit()->stepBy(1);
    cell.okButton()->click();
    EXPECT_EQ(cell.tagText(), QStringLiteral("<TD WIDTH=\"50\" COLSPAN=2 ROWSPAN=1>a</TD>"));

    Ttablecaptiondialog caption;
    caption.show();
    EXPECT_EQ(caption.valignGroup()->checkedIndex(), 0);
    caption.valignGroup()->button(1)->click();
    caption.contentEdit()->setText(QStringLiteral("Sales"));
    caption.okButton()->click();
    EXPECT_EQ(caption.tagText(), QStringLiteral("<CAPTION ALIGN=LEFT VALIGN=BOTTOM>Sales</CAPTION>\r\n"));
}

TEST_F(TagDialogsTest, UpDownStepsWithinItsRangeAndKeepsTypedText)
{
    UpDownEdit e(1, 100);
    e.setText(QStringLiteral("99"));
    e.stepBy(1);
    EXPECT_EQ(e.text(), QStringLiteral("100"));
    e.stepBy(1);
    EXPECT_EQ(e.text(), QStringLiteral("100"));
    e.setText(QStringLiteral("abc"));
    EXPECT_EQ(e.text(), QStringLiteral("abc"));
    e.stepBy(1);
    EXPECT_EQ(e.text(), QStringLiteral("1"));
    e.setText(QStringLiteral("500"));
    e.stepBy(-1);
    EXPECT_EQ(e.text(), QStringLiteral("100"));
}

TEST_F(TagDialogsTest, HelpButtonsOpenTheirTopics)
{
    RecordingHelp help;
    Tfontstdialog phrase;
    struct Entry {
        TagDialog *dialog;
        int context;
    };
    Ttabledialog table;
    Ttablerowdialog row;
    Ttabledatadialog cell;
    Ttablecaptiondialog caption;
    Ttablebuilderdialog builder;
    TBold bold;
    TITALIC italic;
    TUnderlinieret underline;
    Tcenterdialog center;
    Tanchordialog anchor;
    Tjumptodialog jumpTo;
    Tjumptoheredialog jumpToHere;
    const Entry entries[] = {{&table, 3080},   {&row, 3070},      {&cell, 3060},       {&caption, 3050},
                             {&builder, 2020}, {&bold, 1050},     {&italic, 1030},     {&underline, 1040},
                             {&center, 3160},  {&anchor, 3150},   {&jumpTo, 2040},     {&jumpToHere, 2050},
                             {&phrase, 1060}};
    QList<int> expected;
    for (const Entry &e : entries) {
        EXPECT_TRUE(e.dialog->okButton()->isDefault()) << e.context;
        EXPECT_EQ(e.dialog->okButton()->text(), QStringLiteral("OK"));
        EXPECT_EQ(e.dialog->cancelButton()->text(), QStringLiteral("Cancel"));
        e.dialog->helpButton()->click();
        expected << e.context;
    }
    EXPECT_EQ(help.topics, expected);
}

TEST_F(TagDialogsTest, DialogCaptions)
{
    EXPECT_EQ(Ttabledialog().windowTitle(), QStringLiteral("Table"));
    EXPECT_EQ(Ttablerowdialog().windowTitle(), QStringLiteral("Table Row"));
    EXPECT_EQ(Ttabledatadialog().windowTitle(), QStringLiteral("Table Data"));
    EXPECT_EQ(Ttablecaptiondialog().windowTitle(), QStringLiteral("Table Caption"));
    EXPECT_EQ(Ttablebuilderdialog().windowTitle(), QStringLiteral("Table - builder"));
    EXPECT_EQ(TBold().windowTitle(), QStringLiteral("Bold"));
    EXPECT_EQ(TITALIC().windowTitle(), QStringLiteral("Italic"));
    EXPECT_EQ(TUnderlinieret().windowTitle(), QStringLiteral("Underline"));
    EXPECT_EQ(Tcenterdialog().windowTitle(), QStringLiteral("Center"));
    Ttabledialog t;
    EXPECT_EQ(t.borderCheck()->text(), QStringLiteral("Border ?"));
    EXPECT_EQ(t.thicknessLabel()->text(), QStringLiteral("Thicknes"));
}

TEST_F(TagDialogsTest, FirstInputHasFocusAndTabReachesOk)
{
    Tanchordialog anchor;
    anchor.show();
    EXPECT_EQ(anchor.focusWidget(), anchor.addressEdit());
    // The tab chain runs through the edit boxes to OK, Cancel and Help.
    QWidget *w = anchor.addressEdit();
    QList<QWidget *> seen;
    for (int i = 0; i < 6; ++i) {
        w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled())
            w = w->nextInFocusChain();
        seen << w;
    }
    EXPECT_EQ(seen.indexOf(anchor.nameEdit()), 0);  // the disabled URL button is skipped
    EXPECT_EQ(seen.indexOf(anchor.textEdit()), 1);
    EXPECT_EQ(seen.indexOf(anchor.okButton()), 2);
    EXPECT_EQ(seen.indexOf(anchor.cancelButton()), 3);
}

} // namespace

namespace {

TEST_F(TagDialogsTest, AnchorUrlButtonUsesThePickerWhenThereIsOne)
{
    {
        Tanchordialog without;
        EXPECT_FALSE(without.urlButton()->isEnabled());
    }
    test::ScriptedPicker picker;
    picker.answers << PickedUrl{QStringLiteral("http://example.com/a.html")} << std::nullopt;
    {
        Tanchordialog d;
        d.show();
        d.setValue({QStringLiteral("old.html"), QString(), QStringLiteral("t")});
        ASSERT_TRUE(d.urlButton()->isEnabled());
        d.urlButton()->click();
        EXPECT_EQ(d.addressEdit()->text(), QStringLiteral("http://example.com/a.html"));
        EXPECT_EQ(d.focusWidget(), d.nameEdit());
        d.urlButton()->click();  // cancelled: the address stays
        EXPECT_EQ(d.addressEdit()->text(), QStringLiteral("http://example.com/a.html"));
    }
    EXPECT_TRUE(picker.answers.isEmpty());
    EXPECT_EQ(picker.modes, (QList<PickerMode>{PickerMode::Link, PickerMode::Link}));
}

} // namespace
