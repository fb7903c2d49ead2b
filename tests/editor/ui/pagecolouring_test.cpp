// The tags a page shows, character for character, are those of the colouring
// document of its current text: after loading, after edits of every kind,
// undo and redo, under every colouring setting.

#include "colordocument.h"
#include "editortesthelpers.h"
#include "pagecolouring.h"

#include <QTest>
#include <QTextLayout>

using namespace lumaro;
using namespace lumaro::test;

namespace {

/// A run of characters shown with one look: absolute start, length, look.
struct LookRun {
    int start = 0;
    int length = 0;
    CharLook look;
    friend bool operator==(const LookRun &, const LookRun &) = default;
    friend void PrintTo(const LookRun &r, std::ostream *os)
    {
        *os << "{" << r.start << "+" << r.length << " " << r.look.color.name().toStdString()
            << (r.look.bold ? " b" : "") << (r.look.italic ? " i" : "") << (r.look.underline ? " u" : "") << "}";
    }
};

CharLook markLook(const QTextCharFormat &format)
{
    CharLook look = lookOf(format);
    look.family.clear();
    look.size = 0;
    return look;
}

/// What the blocks show: every block given its formats as painting would,
/// then its layout formats read back.
QList<LookRun> shownRuns(thtmlrichedit &editor)
{
    QList<LookRun> runs;
    for (QTextBlock block = editor.document()->firstBlock(); block.isValid(); block = block.next()) {
        editor.colouring().applyTo(block);
        for (const QTextLayout::FormatRange &r : block.layout()->formats())
            runs.append({block.position() + r.start, r.length, markLook(r.format)});
    }
    return runs;
}

/// What the colouring document of the page's text says, cut at the blocks.
QList<LookRun> documentRuns(const thtmlrichedit &editor, const ColorSettings &settings)
{
    const ColorDocument doc = ColorDocument::build(editor.pageText(), settings);
    QTextDocument scratch;
    PageColouring formats(&scratch);
    formats.setSettings(settings);
    QList<LookRun> runs;
    for (const ColorRun &run : doc.runs) {
        if (!formats.shows(run.tagClass))
            continue;
        const CharLook look = markLook(formats.formatOf(run.tagClass));
        int from = run.start;
        const int to = run.start + run.length;
        while (from < to) {
            const QTextBlock block = editor.document()->findBlock(from);
            const int blockEnd = block.position() + block.length() - 1;
            const int end = qMin(to, blockEnd);
            if (end > from)
                runs.append({from, end - from, look});
            from = end + 1;
        }
    }
    return runs;
}

struct SettingsCase {
    const char *name;
    bool usecolor;
    bool usefontattr;
};

const SettingsCase kSettings[] = {
    {"colour", true, false}, {"colour_and_attributes", true, true}, {"attributes_only", false, true}, {"off", false, false}};

struct PageCase {
    const char *name;
    const char *text;
};

const PageCase kPages[] = {
    {"worked_example", "<B>x</B>"},
    {"classes", "<A HREF=x>a</A> <IMG SRC=y>\r\n<CENTER>c</CENTER><MARQUEE>m</MARQUEE><p>"},
    {"address", "<ADDRESS>x</ADDRESS><!-- c > d -->&amp;"},
    {"multi_line_tag", "<TABLE\r\n BORDER=1\r\n WIDTH=2>x\r\n</TABLE>"},
    {"stray_brackets", "a>b<c>d<e"},
    {"unclosed_last", "<P>x <A HREF=\"y\"\r\n and more"},
    {"escapes", "<TD>{x}\\y</TD>\tcaf\xC3\xA9 \xE2\x82\xAC"},
    {"empty", ""},
};

/// An edit applied to the page through the editor's own operations.
struct EditCase {
    const char *name;
    std::function<void(thtmlrichedit &)> apply;
};

void typeAt(thtmlrichedit &editor, int position, const QString &keys)
{
    editor.setCaretPosition(position);
    for (const QChar c : keys)
        QTest::keyClick(&editor, c.toLatin1());
}

const EditCase kEdits[] = {
    {"type_open_bracket_at_start", [](thtmlrichedit &e) { typeAt(e, 0, QStringLiteral("<A ")); }},
    {"type_close_bracket_at_end", [](thtmlrichedit &e) { typeAt(e, e.textLength(), QStringLiteral(">")); }},
    {"type_tag_in_middle", [](thtmlrichedit &e) { typeAt(e, e.textLength() / 2, QStringLiteral("<IMG SRC=q>")); }},
    {"delete_first_close",
     [](thtmlrichedit &e) {
         const int at = e.pageText().indexOf(u'>');
         if (at >= 0) {
             e.setSelection(at, 1);
             e.replaceSel(QString());
         }
     }},
    {"enter_inside_first_tag",
     [](thtmlrichedit &e) {
         e.setCaretPosition(qMin(2, e.textLength()));
         QTest::keyClick(&e, Qt::Key_Return);
     }},
    {"replace_selection_multi_line",
     [](thtmlrichedit &e) {
         e.setSelection(1, 3);
         e.replaceSelection(QStringLiteral("<CENTER>\r\nx</CENTER\r\n>"));
     }},
    {"replace_all", [](thtmlrichedit &e) { e.replace(false, true, false, false, false, true, QStringLiteral(">"), QStringLiteral("> <B>")); }},
};

class PageColouringMatches : public EditorFixture,
                             public ::testing::WithParamInterface<std::tuple<SettingsCase, PageCase>> {};

TEST_P(PageColouringMatches, EveryEditUndoAndRedo)
{
    const auto &[settingsCase, page] = GetParam();
    colouring(settingsCase.usecolor, settingsCase.usefontattr);
    distinctClasses();
    const ColorSettings settings = ColorSettings::read();

    for (const EditCase &edit : kEdits) {
        SCOPED_TRACE(edit.name);
        thtmlrichedit editor;
        editor.resize(500, 300);
        editor.show();
        load(editor, QString::fromUtf8(page.text));
        ASSERT_EQ(shownRuns(editor), documentRuns(editor, settings)) << "after loading";
        const QString before = editor.pageText();
        edit.apply(editor);
        ASSERT_EQ(shownRuns(editor), documentRuns(editor, settings)) << "after the edit";
        const QString after = editor.pageText();
        while (editor.document()->isUndoAvailable())
            editor.undo();
        ASSERT_EQ(editor.pageText(), before);
        ASSERT_EQ(shownRuns(editor), documentRuns(editor, settings)) << "after undo";
        while (editor.document()->isRedoAvailable())
            editor.redo();
        ASSERT_EQ(editor.pageText(), after);
        ASSERT_EQ(shownRuns(editor), documentRuns(editor, settings)) << "after redo";
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, PageColouringMatches,
                         ::testing::Combine(::testing::ValuesIn(kSettings), ::testing::ValuesIn(kPages)),
                         [](const auto &info) {
                             return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
                         });

/// A generated page of about 1 MB: nested tables, links, pictures, comments,
/// tags across lines and one long line held in pieces.
QString generatedPage()
{
    QString page;
    page.reserve(1'100'000);
    for (int i = 0; page.size() < 1'000'000; ++i) {
        page += QStringLiteral("<TABLE BORDER=1><TR><TD><A HREF=\"p%1.html\">link %1</A></TD>\r\n").arg(i);
        page += QStringLiteral("<TD ALIGN=CENTER\r\n VALIGN=TOP><IMG SRC=\"i%1.gif\" WIDTH=10> x > y</TD></TR></TABLE>\r\n").arg(i);
        if (i % 50 == 0)
            page += QStringLiteral("<!-- note %1 --><CENTER><MARQUEE>m</MARQUEE></CENTER>\r\n").arg(i);
        if (i % 400 == 0) {
            for (int w = 0; w < 3000; ++w)
                page += QStringLiteral("<B>word</B> ");
            page += QStringLiteral("\r\n");
        }
    }
    return page;
}

class LargePageColouring : public EditorFixture {};

TEST_F(LargePageColouring, GeneratedPageShowsTheColouringDocumentBeforeAndAfterEdits)
{
    colouring(true, true);
    tregini().writefontattrindex(QStringLiteral("anchor"), 1);
    const ColorSettings settings = ColorSettings::read();
    thtmlrichedit editor;
    editor.resize(600, 400);
    editor.show();
    load(editor, generatedPage());
    EXPECT_EQ(shownRuns(editor), documentRuns(editor, settings));
    typeAt(editor, 100, QStringLiteral("<A "));
    editor.setSelection(500'000, 20'000);
    editor.replaceSelection(QStringLiteral("<IMG\r\nSRC=x>"));
    EXPECT_EQ(shownRuns(editor), documentRuns(editor, settings));
    editor.undo();
    EXPECT_EQ(shownRuns(editor), documentRuns(editor, settings));
}

} // namespace
