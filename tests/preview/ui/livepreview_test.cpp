#include "fakepagehost.h"
#include "livepreviewcontroller.h"
#include "livepreviewpanel.h"
#include "previewwait.h"
#include "testsandbox.h"
#include "thtmlrichedit.h"

#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>

namespace lumaro {
namespace {

using test::evaluate;
using test::evaluateUntil;
using test::waitForLoad;

class LivePreviewTest : public ::testing::Test {
protected:
    void SetUp() override { test::TestSandbox::clearSettings(); }

    /// Shows the preview of the host's active page and waits for it.
    LivePreviewPanel *show(LivePreviewController &controller)
    {
        m_host.hostWindow()->resize(900, 700);
        m_host.hostWindow()->show();
        controller.setPreviewVisible(true);
        LivePreviewPanel *panel = controller.panel();
        EXPECT_NE(panel, nullptr);
        if (panel)
            panel->setGeometry(0, 0, 500, 400); // not docked in the stand-in window
        if (panel && !panel->surface())
            ADD_FAILURE() << "the preview module did not load";
        EXPECT_TRUE(waitForLoad(panel, 0));
        return panel;
    }

    test::FakePageHost m_host;
};

TEST_F(LivePreviewTest, RelativePictureLoadsFromThePagesDirectory)
{
    QTemporaryDir dir;
    QImage picture(37, 11, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(dir.filePath(QStringLiteral("pic.png"))));
    m_host.addPage(QStringLiteral("<p>see<img id=\"p\" src=\"pic.png\"></p>"), dir.filePath(QStringLiteral("page.html")),
                   true);
    LivePreviewController controller(m_host);
    LivePreviewPanel *panel = show(controller);
    ASSERT_TRUE(panel && panel->surface());
    EXPECT_EQ(evaluateUntil(panel, QStringLiteral("document.getElementById('p').naturalWidth"), 37).toInt(), 37);
}

TEST_F(LivePreviewTest, LongLineHeldInPiecesRendersAsOneLine)
{
    // The editor holds a line this long in pieces with display-only breaks;
    // inside PRE a break would show, so the preview must get the blanks.
    QString words;
    while (words.size() < 9000)
        words += QStringLiteral("word ");
    m_host.addPage(QStringLiteral("<pre id=\"t\">") + words + QStringLiteral("</pre>"));
    ASSERT_GT(m_host.editor(0)->document()->blockCount(), 1) << "the line was not split; the case tests nothing";
    LivePreviewController controller(m_host);
    LivePreviewPanel *panel = show(controller);
    ASSERT_TRUE(panel && panel->surface());
    EXPECT_EQ(evaluate(panel, QStringLiteral("document.getElementById('t').textContent.length")).toInt(), words.size());
    EXPECT_FALSE(evaluate(panel, QStringLiteral("document.getElementById('t').textContent.includes('\\n')")).toBool());
}

TEST_F(LivePreviewTest, PageTooLargeForADataAddressIsStillShownWithItsBase)
{
    // Over 2 MB the text cannot travel as a data address; the picture at
    // its end must still load from the page's folder and report clicks.
    QTemporaryDir dir;
    QImage picture(23, 9, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    ASSERT_TRUE(picture.save(dir.filePath(QStringLiteral("end.png"))));
    QString text = QStringLiteral("<p>caf\u00E9</p>\n");
    while (text.size() < 1'000'000) // 1.1 MB as UTF-8, 2.3 MB percent-encoded
        text += QStringLiteral("<p>caf\u00E9 \u00FCber na\u00EFve</p>\n");
    const int imagePosition = text.size();
    text += QStringLiteral("<img id=\"end\" src=\"end.png\">");
    m_host.addPage(text, dir.filePath(QStringLiteral("big.html")), true);
    LivePreviewController controller(m_host);
    LivePreviewPanel *panel = show(controller);
    ASSERT_TRUE(panel && panel->surface());
    EXPECT_EQ(evaluateUntil(panel, QStringLiteral("document.getElementById('end').naturalWidth"), 23).toInt(), 23);
    EXPECT_EQ(evaluate(panel, QStringLiteral("document.body.firstChild.textContent")).toString(), u"caf\u00E9");
    thtmlrichedit *editor = m_host.editor(0);
    editor->setCaretPosition(0);
    evaluate(panel, QStringLiteral("document.getElementById('end').dispatchEvent(new MouseEvent('dblclick', {bubbles: true}))"));
    EXPECT_TRUE(test::waitUntil([&] { return editor->caretPosition() == imagePosition; }, test::kEngineTimeoutMs)) << editor->caretPosition();
}

TEST_F(LivePreviewTest, TypedTextIsShownAfterTheDelayAndScrollIsKept)
{
    QString text = QStringLiteral("<p>start</p>");
    for (int i = 0; i < 200; ++i)
        text += QStringLiteral("<p>line %1</p>").arg(i);
    m_host.addPage(text);
    LivePreviewController controller(m_host);
    LivePreviewPanel *panel = show(controller);
    ASSERT_TRUE(panel && panel->surface());
    evaluate(panel, QStringLiteral("window.scrollTo(0, 400)"));
    test::waitUntil([&] { return evaluate(panel, QStringLiteral("window.scrollY")).toInt() == 400; }, 5000);

    thtmlrichedit *editor = m_host.editor(0);
    editor->setCaretPosition(3);
    const int loads = panel->loadCount();
    QTest::keyClicks(editor, QStringLiteral("typed "));
    // Nothing is rendered while the keys come.
    EXPECT_EQ(panel->loadCount(), loads);
    ASSERT_TRUE(waitForLoad(panel, loads));
    EXPECT_TRUE(evaluateUntil(panel, QStringLiteral("document.body.innerText.indexOf('typed start') >= 0"), true)
                    .toBool());
    EXPECT_EQ(evaluateUntil(panel, QStringLiteral("window.scrollY"), 400).toInt(), 400);
}

TEST_F(LivePreviewTest, PageProcessEndingLeavesALineAndTryAgainShowsThePage)
{
    m_host.addPage(QStringLiteral("<p id=\"t\">still here</p>"));
    LivePreviewController controller(m_host);
    LivePreviewPanel *panel = show(controller);
    ASSERT_TRUE(panel && panel->surface());
    const qint64 pid = panel->surface()->pageProcessId();
    ASSERT_GT(pid, 0);
    ASSERT_EQ(::kill(pid_t(pid), SIGKILL), 0);
    ASSERT_TRUE(test::waitUntil([&] { return !panel->failureLine().isEmpty(); }, test::kEngineTimeoutMs));
    EXPECT_EQ(panel->failureLine(), "The live preview stopped: its page process was killed.");
    EXPECT_FALSE(panel->retryButton()->isHidden());
    // The editor goes on.
    QTest::keyClicks(m_host.editor(0), QStringLiteral("x"));
    EXPECT_TRUE(m_host.editor(0)->text().startsWith(u'x'));

    const int loads = panel->loadCount();
    panel->retryButton()->click();
    EXPECT_TRUE(panel->failureLine().isEmpty());
    ASSERT_TRUE(waitForLoad(panel, loads));
    EXPECT_EQ(evaluateUntil(panel, QStringLiteral("document.getElementById('t').textContent"), "still here")
                  .toString(),
              "still here");
    EXPECT_NE(panel->surface()->pageProcessId(), pid);
}

struct ClickCase {
    const char *name;
    const char *selector; ///< the element double-clicked
    int expected;         ///< caret position: its start tag
};

class LivePreviewClickTest : public LivePreviewTest, public ::testing::WithParamInterface<ClickCase> {};

// The page's positions: <table> 55, first <td> 66, second <td> 78, <b> 82,
// <i> 85, the second <b> 126; the <b> inside the script and the comment are not elements.
const char kNested[] = "<html><body><script>var s='<b>';</script><!-- <td> -->"
                       "\n<table><tr><td>one</td><td><b><i>two</i></b></td></tr></table>"
                       "<p>after <b>bold</b></p></body></html>";

TEST_P(LivePreviewClickTest, DoubleClickPlacesTheCaretAtTheStartTag)
{
    const ClickCase &c = GetParam();
    m_host.addPage(QString::fromLatin1(kNested));
    LivePreviewController controller(m_host);
    LivePreviewPanel *panel = show(controller);
    ASSERT_TRUE(panel && panel->surface());
    thtmlrichedit *editor = m_host.editor(0);
    editor->setCaretPosition(0);
    evaluate(panel, QStringLiteral("document.querySelector('%1').dispatchEvent("
                                   "new MouseEvent('dblclick', {bubbles: true}))")
                        .arg(QString::fromLatin1(c.selector)));
    EXPECT_TRUE(test::waitUntil([&] { return editor->caretPosition() == c.expected; }, test::kEngineTimeoutMs))
        << editor->caretPosition();
    EXPECT_EQ(editor->text(), QString::fromLatin1(kNested).replace(QStringLiteral("\n"), QStringLiteral("\r\n")));
}

INSTANTIATE_TEST_SUITE_P(Table, LivePreviewClickTest,
                         ::testing::Values(ClickCase{"Table", "table", 55}, ClickCase{"FirstCell", "td", 66},
                                           ClickCase{"SecondCell", "td + td", 78}, ClickCase{"Bold", "td b", 82},
                                           ClickCase{"Italic", "i", 85}, ClickCase{"SecondBold", "p b", 126},
                                           ClickCase{"RowGroupIsItsTable", "tbody", 55}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace lumaro

namespace lumaro {
namespace {

struct MisnestedCase {
    const char *name;
    const char *page;
    const char *clicked; ///< text whose element is double-clicked
    const char *tag;     ///< the start tag the caret must go to, as written in the page
    int occurrence;      ///< which one of those tags (0: the first)
};

class LivePreviewMisnestedTest : public LivePreviewTest, public ::testing::WithParamInterface<MisnestedCase> {};

TEST_P(LivePreviewMisnestedTest, DoubleClickGoesToTheTagTheElementWasWrittenWith)
{
    const MisnestedCase &c = GetParam();
    m_host.addPage(QString::fromLatin1(c.page));
    LivePreviewController controller(m_host);
    LivePreviewPanel *panel = show(controller);
    ASSERT_TRUE(panel && panel->surface());
    thtmlrichedit *editor = m_host.editor(0);
    const QString page = editor->pageText();
    int expected = -1;
    for (int n = 0; n <= c.occurrence; ++n)
        expected = int(page.indexOf(QString::fromLatin1(c.tag), expected + 1));
    ASSERT_GE(expected, 0);
    editor->setCaretPosition(page.size());
    // The element holding the text, as a double-click on the text finds it.
    const QVariant clicked = evaluate(panel, QStringLiteral(
        "(function () {"
        "  var walk = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);"
        "  while (walk.nextNode()) {"
        "    if (walk.currentNode.data.indexOf('%1') >= 0) {"
        "      walk.currentNode.parentElement.dispatchEvent(new MouseEvent('dblclick', {bubbles: true}));"
        "      return true;"
        "    }"
        "  }"
        "  return false;"
        "})()").arg(QString::fromLatin1(c.clicked)));
    ASSERT_TRUE(clicked.toBool());
    EXPECT_TRUE(test::waitUntil([&] { return editor->caretPosition() == expected; }, test::kEngineTimeoutMs))
        << "caret at " << editor->caretPosition() << ", expected " << expected;
    EXPECT_FALSE(editor->isModified());
}

const MisnestedCase kMisnested[] = {
    // The unclosed B is opened again by the browser in each later paragraph.
    {"ReopenedBoldIsItsParagraph", "<P>one <B>bold\r\n<P>two two two\r\n<P>three <B>second</B> end",
     "two two two", "<P>", 1},
    {"WrittenBoldAfterReopened", "<P>one <B>bold\r\n<P>two two two\r\n<P>three <B>second</B> end", "second",
     "<B>", 1},
    {"FirstBold", "<P>one <B>bold\r\n<P>two two two\r\n<P>three <B>second</B> end", "bold", "<B>", 0},
    {"TextBesideTheReopenedBold", "<P>one <B>bold\r\n<P>two two two\r\n<P>three <B>second</B> end", "three",
     "<P>", 2},
    // The adoption of a misnested B: its copy inside the paragraph is not written.
    {"AdoptedCopy", "<b>1<p>2</b>3</p>", "2", "<p>", 0},
    {"AfterTheAdoption", "<b>1<p>2</b>3</p>", "3", "<p>", 0},
    {"ImpliedEndOfListItem", "<ul><li>a<li>b</ul>", "b", "<li>", 1},
    {"ImpliedBodyAndParagraphEnd", "<p>a<div>d</div>", "d", "<div>", 0},
    {"ImpliedRowGroup", "<table><tr><td>c1<td>c2</table>", "c2", "<td>", 1},
    {"MovedOutOfTheTable", "<table><tr><td>x</td></tr><b>f</b></table>", "f", "<b>", 0},
    {"MixedCaseName", "<DIV><Span>s</SPAN></DIV>", "s", "<Span>", 0},
    {"TagInScriptIsNoElement", "<script>var t='<p>';</script><p>real</p>", "real", "<p>", 1},
};

INSTANTIATE_TEST_SUITE_P(Table, LivePreviewMisnestedTest, ::testing::ValuesIn(kMisnested),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace lumaro
