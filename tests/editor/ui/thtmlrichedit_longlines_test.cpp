// A very long line is held in pieces; nothing but the screen may show it.
// Each case runs the same keys on two editors holding the same page: one
// without word wrap, where a 6,000-character line is split, and one with
// word wrap, where it is not; everything they answer must be equal, after
// the keys, after undo and after redo.
#include "editortesthelpers.h"
#include "linesplitter.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

using namespace lumaro;
using namespace lumaro::test;

namespace {

/// Three lines; the middle one is 6,000 characters of pictures, links and
/// text, with blanks inside tags and between words.
QString longLinePage()
{
    QString line;
    for (int i = 0; line.size() < 6000; ++i) {
        line += i % 3 ? QStringLiteral("<A HREF=\"p%1.html\">word%1 more%1</A> ").arg(i)
                      : QStringLiteral("<IMG SRC=\"pic%1.gif\" WIDTH=%1 HEIGHT=20 ALT=\"a b c\">").arg(i);
    }
    return QStringLiteral("<HTML>\n") + line + QStringLiteral("\n</HTML>\n");
}

/// The split points of the page without word wrap: the first blank inside a
/// tag and the first between words, past the first piece.
int splitPoint(const QString &page, bool insideTag)
{
    for (const int at : LineSplitter::splitPoints(page, LineSplitter::unwrapped)) {
        const bool inTag = page.lastIndexOf(u'<', at) > page.lastIndexOf(u'>', at);
        if (at > 1000 && inTag == insideTag)
            return at;
    }
    return -1;
}

QTextCharFormat lookAt(const thtmlrichedit &editor, int position)
{
    // A display-only break shows what the blank it stands for would.
    return formatAt(editor, position);
}

::testing::AssertionResult same(const thtmlrichedit &split, const thtmlrichedit &whole)
{
    auto fail = [](const char *what) { return ::testing::AssertionFailure() << what << " differs"; };
    if (split.text() != whole.text())
        return fail("text()");
    if (split.lineCount() != whole.lineCount())
        return fail("lineCount()");
    for (int line = 0; line <= whole.lineCount(); ++line) {
        if (split.lineIndex(line) != whole.lineIndex(line))
            return fail("lineIndex()") << " at line " << line;
    }
    for (int at = 0; at <= whole.textLength(); at += 7) {
        if (split.lineFromChar(at) != whole.lineFromChar(at) || split.lineLength(at) != whole.lineLength(at))
            return fail("lineFromChar() or lineLength()") << " at " << at;
        if (lookOf(lookAt(split, at)) != lookOf(lookAt(whole, at)))
            return fail("format") << " at " << at;
    }
    if (split.selStart() != whole.selStart() || split.selLength() != whole.selLength()
        || split.selText() != whole.selText())
        return fail("selection");
    if (split.skrivcursorpos() != whole.skrivcursorpos())
        return fail("status bar position");
    if (lookOf(split.insertionFormat(split.textCursor())) != lookOf(whole.insertionFormat(whole.textCursor())))
        return fail("typing format");
    return ::testing::AssertionSuccess();
}

struct Keys {
    const char *name;
    int from;   ///< caret (or selection start) relative to the split blank
    int length; ///< selection length
    std::function<void(QWidget *)> press;
};

void keys(QWidget *w, const QString &text)
{
    for (const QChar c : text)
        QTest::keyClick(w, c.toLatin1());
}

const Keys kKeys[] = {
    {"TypeBeforeBreak", 0, 0, [](QWidget *w) { keys(w, QStringLiteral("xy")); }},
    {"TypeAfterBreak", 1, 0, [](QWidget *w) { keys(w, QStringLiteral("xy")); }},
    {"EnterBeforeBreak", 0, 0, [](QWidget *w) { QTest::keyClick(w, Qt::Key_Return); }},
    {"EnterAfterBreak", 1, 0, [](QWidget *w) { QTest::keyClick(w, Qt::Key_Return); }},
    {"EnterTwiceThenBackspace", 1, 0,
     [](QWidget *w) {
         QTest::keyClick(w, Qt::Key_Return);
         QTest::keyClick(w, Qt::Key_Return);
         QTest::keyClick(w, Qt::Key_Left);
         QTest::keyClick(w, Qt::Key_Left);
         QTest::keyClick(w, Qt::Key_Backspace);
     }},
    {"BackspaceOverBreak", 1, 0, [](QWidget *w) { QTest::keyClick(w, Qt::Key_Backspace); }},
    {"DeleteOverBreak", 0, 0, [](QWidget *w) { QTest::keyClick(w, Qt::Key_Delete); }},
    {"ShiftEnterAtBreak", 0, 0, [](QWidget *w) { QTest::keyClick(w, Qt::Key_Return, Qt::ShiftModifier); }},
    {"TagTypedAtBreak", 1, 0, [](QWidget *w) { keys(w, QStringLiteral("<I>")); }},
    {"TypedOverASelectionAcross", -3, 7, [](QWidget *w) { keys(w, QStringLiteral("<B>")); }},
    {"EnterOverASelectionAcross", -3, 7, [](QWidget *w) { QTest::keyClick(w, Qt::Key_Return); }},
    {"DeleteAcrossSeveralPieces", -700, 1500, [](QWidget *w) { QTest::keyClick(w, Qt::Key_Backspace); }},
    {"CutAcrossAndPasteBack", -5, 10,
     [](QWidget *w) {
         QTest::keyClick(w, Qt::Key_X, Qt::ControlModifier);
         QTest::keyClick(w, Qt::Key_Right);
         QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
     }},
};

struct LongLineCase {
    const Keys *keys;
    bool insideTag;
};

class LongLineEditing : public EditorFixture, public ::testing::WithParamInterface<LongLineCase> {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        colouring(true);
        thtmlrichedit::typingMarks() = {};
        whole.setLineWrapMode(QPlainTextEdit::WidgetWidth);
        for (thtmlrichedit *e : {&split, &whole}) {
            e->resize(500, 300);
            e->show();
            load(*e, longLinePage());
        }
    }
    /// The same keys on both editors, from the same caret or selection.
    void run(int from, int length, const std::function<void(QWidget *)> &press)
    {
        for (thtmlrichedit *e : {&split, &whole}) {
            thtmlrichedit::typingMarks() = {};
            e->setFocus();
            e->setSelection(from, length);
            press(e);
        }
    }
    thtmlrichedit split;
    thtmlrichedit whole;
};

TEST_P(LongLineEditing, BothEditorsAgreeAfterTheKeysUndoAndRedo)
{
    const QString page = longLinePage();
    const int at = splitPoint(page, GetParam().insideTag);
    ASSERT_GT(at, 0);
    ASSERT_GT(split.document()->blockCount(), split.lineCount()) << "the long line is not split";
    ASSERT_EQ(whole.document()->blockCount(), whole.lineCount());
    ASSERT_TRUE(same(split, whole));
    const QString original = whole.text();

    const Keys &k = *GetParam().keys;
    run(at + k.from, k.length, k.press);
    ASSERT_NE(whole.text(), original) << "the keys changed nothing";
    EXPECT_TRUE(same(split, whole)) << "after the keys";
    const QString edited = whole.text();

    for (thtmlrichedit *e : {&split, &whole})
        while (e->document()->isUndoAvailable())
            e->undo();
    EXPECT_TRUE(same(split, whole)) << "after undo";
    EXPECT_EQ(split.text(), original);

    for (thtmlrichedit *e : {&split, &whole})
        while (e->document()->isRedoAvailable())
            e->redo();
    EXPECT_TRUE(same(split, whole)) << "after redo";
    EXPECT_EQ(split.text(), edited);
}

std::vector<LongLineCase> longLineCases()
{
    std::vector<LongLineCase> cases;
    for (const Keys &k : kKeys)
        for (const bool insideTag : {true, false})
            cases.push_back({&k, insideTag});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(AtASplit, LongLineEditing, ::testing::ValuesIn(longLineCases()),
                         [](const ::testing::TestParamInfo<LongLineCase> &info) {
                             return std::string(info.param.keys->name) + (info.param.insideTag ? "InATag" : "InText");
                         });

using LongLineServices = LongLineEditing;

TEST_F(LongLineServices, FindReplaceCopyAndEndOfLineSeeThePageAcrossASplit)
{
    const QString page = longLinePage();
    const int at = splitPoint(page, false);
    const QString term = page.mid(at - 4, 9);
    ASSERT_EQ(split.findText(term, 0, -1, false, true), whole.findText(term, 0, -1, false, true));
    EXPECT_EQ(split.findText(term, 0, -1, false, true), page.indexOf(term));

    // Copy across a split: the clipboard gets the blank.
    split.setSelection(at - 4, 9);
    split.copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), term);

    // End without word wrap goes to the end of the page's line.
    split.setCaretPosition(at);
    QTest::keyClick(&split, Qt::Key_End);
    EXPECT_EQ(split.caretPosition(), int(page.indexOf(u'\n', at)));
    QTest::keyClick(&split, Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_EQ(split.selStart(), int(page.indexOf(u'\n') + 1));
    EXPECT_EQ(split.selText(), page.section(u'\n', 1, 1));

    // Replacing a term that spans the split, on both editors.
    EXPECT_EQ(split.replace(false, true, false, false, false, true, term, QStringLiteral("R\r\nR")),
              whole.replace(false, true, false, false, false, true, term, QStringLiteral("R\r\nR")));
    EXPECT_TRUE(same(split, whole));

    // Printing reads a copy of the page with the blanks put back.
    std::unique_ptr<QTextDocument> copy(split.document()->clone());
    SoftBreaks::joinAll(*copy);
    EXPECT_EQ(copy->blockCount(), whole.document()->blockCount());
    EXPECT_EQ(copy->toRawText(), whole.document()->toRawText());
}

TEST_F(LongLineServices, WithWordWrapALineAboveTheWrappedSizeIsSplitAndReadsTheSame)
{
    // Both editors wrap; the longer line is split, the one just below the
    // size is not.
    QString below(LineSplitter::wrapped.longest, u'a');
    QString above;
    while (above.size() <= LineSplitter::wrapped.longest)
        above += QStringLiteral("<P>text ");
    const QString page = below + u'\n' + above;
    split.setLineWrapMode(QPlainTextEdit::WidgetWidth);
    load(split, page);
    EXPECT_EQ(split.document()->blockCount(), split.lineCount() + int(LineSplitter::splitPoints(page, LineSplitter::wrapped).size()));
    EXPECT_GT(split.document()->blockCount(), 2);
    EXPECT_EQ(split.lineCount(), 2);
    EXPECT_EQ(split.lineLength(0), below.size());
    EXPECT_EQ(split.lineLength(split.textLength()), above.size());
    EXPECT_EQ(split.pageText(), page);

    // Typing on the split line keeps it one line.
    split.setCaretPosition(split.textLength() - 10);
    QTest::keyClick(&split, Qt::Key_Return);
    QTest::keyClick(&split, Qt::Key_Backspace);
    keys(&split, QStringLiteral("z"));
    QString expected = page;
    expected.insert(page.size() - 10, u'z');
    EXPECT_EQ(split.pageText(), expected);
    EXPECT_EQ(split.lineCount(), 2);
}

} // namespace
