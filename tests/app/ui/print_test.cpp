// Printing a page: the print dialog, then one job of the formatted text;
// checked by printing to a PDF file and reading the text back out of it.
#include "fakepagehost.h"
#include "print_pdftext.h"
#include "printcontroller.h"
#include "scriptedinteraction.h"
#include "testsandbox.h"
#include "thtmlrichedit.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrinter>
#include <gtest/gtest.h>

using namespace lumaro;
using lumaro::test::FakePageHost;
using lumaro::test::PdfText;
using lumaro::test::TestSandbox;

namespace {

QString withoutSpace(QString s)
{
    s.remove(QRegularExpression(QStringLiteral("\\s")));
    return s;
}

class PrintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestSandbox::clearSettings();
        pdf = TestSandbox::makeDir(QStringLiteral("print")) + QStringLiteral("/page.pdf");
        controller.printer().setOutputFormat(QPrinter::PdfFormat);
        controller.printer().setOutputFileName(pdf);
    }

    QByteArray printed() const
    {
        QFile f(pdf);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QString pdf;
    ScriptedInteraction ui;
    FakePageHost host;
    PrintController controller{host};
};

TEST(PdfTextReader, SurvivesTruncatedAndForeignInput)
{
    EXPECT_TRUE(PdfText(QByteArray()).documentText().isEmpty());
    EXPECT_TRUE(PdfText("%PDF-1.4\n1 0 obj << /Type /Page /Contents 2 0 R >> endobj\n2 0 obj << /Length 99 >>\nstream\nBT <00").documentText().isEmpty());
    EXPECT_TRUE(PdfText("3 0 obj << /Filter /FlateDecode >>\nstream\nnot zlib\nendstream endobj").documentText().isEmpty());
}

TEST_F(PrintTest, PrintsThePageTextToPdf)
{
    const QString page = QStringLiteral("<HTML>\r\n<BODY BGCOLOR=\"#FFFFFF\">\r\nPrinted from Lumaro</BODY>\r\n</HTML>");
    host.addPage(page);
    controller.printbtnClick();
    EXPECT_EQ(ui.printRequests, 1);
    const QByteArray bytes = printed();
    ASSERT_TRUE(bytes.startsWith("%PDF-")) << "no PDF written";
    EXPECT_EQ(PdfText(bytes).documentText(), withoutSpace(page));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the busy cursor is taken back";
    EXPECT_TRUE(controller.printer().docName().isEmpty());
}

TEST_F(PrintTest, PrintsEveryPageOfALongDocument)
{
    QString page;
    for (int i = 1; i <= 150; ++i)
        page += QStringLiteral("<P>Line %1</P>\r\n").arg(i);
    host.addPage(page);
    controller.printbtnClick();
    const QString text = PdfText(printed()).documentText();
    const PdfText out(printed());
    EXPECT_GE(out.pages().size(), 2);
    EXPECT_TRUE(text.startsWith(QStringLiteral("<P>Line1</P>")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("<P>Line150</P>")));
    EXPECT_EQ(text, withoutSpace(page));
}

TEST_F(PrintTest, TagColoursArePrinted)
{
    host.addPage(QStringLiteral("<B>bold</B>"));
    thtmlrichedit *editor = host.activeEditor();
    CharAttributes red = editor->defaultAttributes();
    red.color = QColor(255, 0, 0);
    editor->setSelection(0, 3);
    editor->setSelectionAttributes(red);
    editor->setSelection(7, 4);
    editor->setSelectionAttributes(red);
    controller.printbtnClick();
    const PdfText out(printed());
    EXPECT_EQ(out.documentText(), QStringLiteral("<B>bold</B>"));
    EXPECT_TRUE(out.content().contains("1 0 0 scn")) << "red tags print red";
    EXPECT_TRUE(out.content().contains("0 0 0 scn")) << "the text prints black";
}

TEST_F(PrintTest, CancelledDialogPrintsNothing)
{
    host.addPage(QStringLiteral("text"));
    ui.printAnswers.enqueue(false);
    controller.printbtnClick();
    EXPECT_EQ(ui.printRequests, 1);
    EXPECT_FALSE(QFileInfo::exists(pdf));
}

TEST_F(PrintTest, PrintsTheActivePageOnly)
{
    host.addPage(QStringLiteral("first page"));
    host.addPage(QStringLiteral("second page"));
    host.selectPage(0);
    controller.printbtnClick();
    EXPECT_EQ(PdfText(printed()).documentText(), QStringLiteral("firstpage"));
}

TEST_F(PrintTest, NoPageNoDialog)
{
    controller.printbtnClick();
    EXPECT_EQ(ui.printRequests, 0);
}

TEST_F(PrintTest, PrintButtonIsConnected)
{
    host.addPage(QStringLiteral("via button"));
    QAction *button = host.command(QStringLiteral("printbtn"));
    EXPECT_FALSE(button->isEnabled()) << "a page command, enabled by the main window";
    button->setEnabled(true);
    button->trigger();
    EXPECT_EQ(PdfText(printed()).documentText(), QStringLiteral("viabutton"));
}

} // namespace
