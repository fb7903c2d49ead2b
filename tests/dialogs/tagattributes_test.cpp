#include "tagattributes.h"

#include <gtest/gtest.h>

using namespace lumaro;

namespace {

struct ValueCase {
    const char *label;
    const char *text;
    const char *name;
    bool present;
    const char *value;
};

class TagAttributeValue : public ::testing::TestWithParam<ValueCase> {};

TEST_P(TagAttributeValue, Reads)
{
    const ValueCase &c = GetParam();
    const auto value = TagAttributes::value(QString::fromUtf8(c.text), QString::fromLatin1(c.name));
    ASSERT_EQ(value.has_value(), c.present);
    if (c.present)
        EXPECT_EQ(*value, QString::fromUtf8(c.value));
}

const ValueCase kValueCases[] = {
    {"Quoted", "<FRAME NAME=\"top\" SRC=\"a.html\">", "SRC", true, "a.html"},
    {"QuotedWithBlanks", "<INPUT VALUE=\"two words\">", "VALUE", true, "two words"},
    {"AdjacentQuotesEmpty", "<INPUT NAME=\"\" SIZE=4>", "NAME", true, ""},
    {"MissingCloseQuoteRunsToEnd", "<INPUT NAME=\"abc", "NAME", true, "abc"},
    {"QuoteAtVeryEnd", "<INPUT NAME=\"", "NAME", true, ""},
    {"BareToBlank", "<FRAMESET ROWS=50%,* COLS=2>", "ROWS", true, "50%,*"},
    {"BareToClose", "<INPUT SIZE=20>", "SIZE", true, "20"},
    {"BareToEnd", "<INPUT SIZE=20", "SIZE", true, "20"},
    {"EmptyAtEnd", "<INPUT SIZE=", "SIZE", true, ""},
    {"Absent", "<INPUT SIZE=20>", "NAME", false, ""},
    {"NotInsideLongerName", "<FORM XACTION=\"a\">", "ACTION", false, ""},
    {"AfterLineBreak", "<INPUT\r\nNAME=\"n\">", "NAME", true, "n"},
    {"LongValueWhole",
     "<FORM ACTION=\"http://example.org/a/very/long/path/that/goes/on/and/on/beyond/seventy/characters.cgi\">",
     "ACTION", true, "http://example.org/a/very/long/path/that/goes/on/and/on/beyond/seventy/characters.cgi"},
};

INSTANTIATE_TEST_SUITE_P(Cases, TagAttributeValue, ::testing::ValuesIn(kValueCases),
                         [](const auto &info) { return std::string(info.param.label); });

TEST(TagAttributes, NumbersTakeLeadingDigits)
{
    EXPECT_EQ(TagAttributes::number(QStringLiteral("<X SIZE=\"20\">"), QStringLiteral("SIZE")), QStringLiteral("20"));
    EXPECT_EQ(TagAttributes::number(QStringLiteral("<X WIDTH=50%>"), QStringLiteral("WIDTH")), QStringLiteral("50"));
    EXPECT_FALSE(TagAttributes::number(QStringLiteral("<X SIZE=abc>"), QStringLiteral("SIZE")));
    EXPECT_FALSE(TagAttributes::number(QStringLiteral("<X>"), QStringLiteral("SIZE")));
    EXPECT_EQ(TagAttributes::value(QStringLiteral("<X>"), QStringLiteral("SIZE"), QStringLiteral("0")),
              QStringLiteral("0"));
}

TEST(TagAttributes, FlagsStandAlone)
{
    EXPECT_TRUE(TagAttributes::flag(QStringLiteral("<FRAME NAME=\"a\" NORESIZE>"), QStringLiteral("NORESIZE")));
    EXPECT_TRUE(TagAttributes::flag(QStringLiteral("<INPUT CHECKED >"), QStringLiteral("CHECKED")));
    EXPECT_TRUE(TagAttributes::flag(QStringLiteral("<SELECT MULTIPLE"), QStringLiteral("MULTIPLE")));
    EXPECT_FALSE(TagAttributes::flag(QStringLiteral("<INPUT VALUE=\"x CHECKED\">"), QStringLiteral("CHECKED")));
    EXPECT_FALSE(TagAttributes::flag(QStringLiteral("<INPUT UNCHECKED>"), QStringLiteral("CHECKED")));
    EXPECT_FALSE(TagAttributes::flag(QStringLiteral("<INPUT CHECKEDX>"), QStringLiteral("CHECKED")));
}

} // namespace
