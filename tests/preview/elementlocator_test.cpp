#include "elementlocator.h"

#include <gtest/gtest.h>

namespace lumaro {
namespace {

struct LocateCase {
    const char *name;
    const char *text;
    const char *tag;
    int index;
    int expected;
};

class ElementLocatorTest : public ::testing::TestWithParam<LocateCase> {};

TEST_P(ElementLocatorTest, FindsTheStartTag)
{
    const LocateCase &c = GetParam();
    EXPECT_EQ(ElementLocator::startTagPosition(QString::fromUtf8(c.text), QString::fromLatin1(c.tag), c.index),
              c.expected);
}

// Positions counted by hand: "<" of the wanted tag.
const LocateCase kCases[] = {
    {"First", "<p>a</p><p>b</p>", "p", 0, 0},
    {"Second", "<p>a</p><p>b</p>", "p", 1, 8},
    {"CaseIgnored", "<P>a<P>b", "p", 1, 4},
    {"BeyondTheLast", "<p>a</p>", "p", 1, -1},
    {"NegativeIndex", "<p>a</p>", "p", -1, -1},
    {"Nested", "<table><tr><td><b>x</b></td><td><b>y</b></td></tr></table>", "b", 1, 32},
    {"NestedCell", "<table><tr><td>1</td><td>2</td></tr><tr><td>3</td></tr></table>", "td", 2, 40},
    {"CommentSkipped", "<!-- <p> --><p>x", "p", 0, 12},
    {"CommentUnclosed", "<!-- <p>", "p", 0, -1},
    {"DoctypeSkipped", "<!DOCTYPE html><p>", "p", 0, 15},
    {"EndTagNotCounted", "</p><p>", "p", 0, 4},
    {"ScriptSkipped", "<script>var s='<b>';</script><b>", "b", 0, 29},
    {"StyleSkipped", "<STYLE>b<i>{}</STYLE><i>", "i", 0, 21},
    {"TextareaSkipped", "<textarea><b></textarea><b>", "b", 0, 24},
    {"ScriptUnclosed", "<script><b>", "b", 0, -1},
    {"QuotedGreaterThan", "<a title=\"x>y\"><a>", "a", 1, 15},
    {"ApostropheInValueless", "<img alt=don't><img>", "img", 1, 15},
    {"LoneLessThan", "a < b <i>", "i", 0, 6},
    {"PrefixNameNotMatched", "<bo><b>", "b", 0, 4},
    {"ImpliedBodyFirstTag", "<html><body>x", "body", 0, 6},
    {"ImpliedBodyAbsent", "<p>x", "body", 0, -1},
    {"ImpliedTbodyAnyIndex", "<table><tbody><tr></table><table><tbody>", "tbody", 1, 7},
    {"LineBreaksCountOne", "<p>\n<p>\n<p>", "p", 2, 8},
    {"Empty", "", "p", 0, -1},
};

INSTANTIATE_TEST_SUITE_P(Table, ElementLocatorTest, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace lumaro

namespace lumaro {
namespace {

struct MarkCase {
    const char *name;
    const char *text;
    const char *marked; ///< with the attribute named "m"
};

class MarkStartTagsTest : public ::testing::TestWithParam<MarkCase> {};

TEST_P(MarkStartTagsTest, MarksEveryWrittenStartTagWithItsPosition)
{
    const MarkCase &c = GetParam();
    EXPECT_EQ(ElementLocator::markStartTags(QString::fromUtf8(c.text), QStringLiteral("m")),
              QString::fromUtf8(c.marked));
}

const MarkCase kMarks[] = {
    {"Plain", "<p>a</p>", "<p m=\"0\">a</p>"},
    {"Attributes", "<A HREF=\"x>y\">l</A>", "<A m=\"0\" HREF=\"x>y\">l</A>"},
    {"SelfClosing", "a<br/>b", "a<br m=\"1\"/>b"},
    {"Misnested", "<P>one <B>b\n<P>two", "<P m=\"0\">one <B m=\"7\">b\n<P m=\"12\">two"},
    {"CommentAndDoctype", "<!DOCTYPE html><!-- <i> --><i>", "<!DOCTYPE html><!-- <i> --><i m=\"27\">"},
    {"EndTagsUntouched", "</p><p>", "</p><p m=\"4\">"},
    {"ScriptText", "<script>s='<b>'</script><b>", "<script m=\"0\">s='<b>'</script><b m=\"24\">"},
    {"LoneAngle", "a < b <c", "a < b <c m=\"6\""},
    {"LettersBeyondAscii", "caf\xc3\xa9<b>", "caf\xc3\xa9<b m=\"4\">"},
    {"NoTags", "just text", "just text"},
    {"Empty", "", ""},
};

INSTANTIATE_TEST_SUITE_P(Table, MarkStartTagsTest, ::testing::ValuesIn(kMarks),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace lumaro
