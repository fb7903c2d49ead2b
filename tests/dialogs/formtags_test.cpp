// The form, form button and selection list models: their output byte for
// byte and what their decoders read back.
#include "buttonformtag.h"
#include "formtag.h"
#include "selectformtag.h"

#include <gtest/gtest.h>

using namespace lumaro;

namespace {

QString q(const char *text) { return QString::fromUtf8(text); }

// --- Form -------------------------------------------------------------------------------

TEST(FormBuild, WritesTheWholeElementOrNothingWithoutAnAction)
{
    FormTag t;
    t.action = q("/cgi-bin/order.pl");
    EXPECT_EQ(t.build(), q("<FORM METHOD=\"POST\" ACTION=\"/cgi-bin/order.pl\"> </FORM>"));
    t.method = FormTag::Method::Get;
    EXPECT_EQ(t.build(), q("<FORM METHOD=\"GET\" ACTION=\"/cgi-bin/order.pl\"> </FORM>"));
    t.action.clear();
    EXPECT_EQ(t.build(), QString());
}

struct FormCase {
    const char *label;
    const char *selected;
    FormTag::Method method;
    const char *action;
};

const QString kLongAction = QStringLiteral("http://www.example.org/cgi-bin/") + QString(60, QLatin1Char('x'))
    + QStringLiteral("/order.pl?a=1");

const FormCase kFormCases[] = {
    {"Nothing", "", FormTag::Method::Post, ""},
    {"Get", "<FORM METHOD=\"GET\" ACTION=\"find.pl\">", FormTag::Method::Get, "find.pl"},
    {"PostAfterAction", "<FORM ACTION=\"a.pl\" METHOD=\"POST\"> </FORM>", FormTag::Method::Post, "a.pl"},
    {"BareValues", "<FORM METHOD=GET ACTION=x.pl>", FormTag::Method::Get, "x.pl"},
    {"UnknownMethodIsPost", "<FORM METHOD=\"PUT\" ACTION=\"a\">", FormTag::Method::Post, "a"},
    {"NoAction", "<FORM METHOD=\"GET\">", FormTag::Method::Get, ""},
    {"MissingCloseQuoteStopsAtTheEnd", "<FORM ACTION=\"mail.pl", FormTag::Method::Post, "mail.pl"},
};

class FormDecode : public ::testing::TestWithParam<FormCase> {};

TEST_P(FormDecode, Reads)
{
    FormTag t;
    t.method = FormTag::Method::Get;
    t.action = q("old");
    t.decode(q(GetParam().selected));
    EXPECT_EQ(t.method, GetParam().method);
    EXPECT_EQ(t.action, q(GetParam().action));
}

INSTANTIATE_TEST_SUITE_P(Cases, FormDecode, ::testing::ValuesIn(kFormCases),
                         [](const auto &info) { return std::string(info.param.label); });

TEST(FormDecode, ReadsBackALongActionWhole)
{
    ASSERT_GT(kLongAction.size(), 100);
    for (FormTag::Method m : {FormTag::Method::Post, FormTag::Method::Get}) {
        FormTag t;
        t.action = kLongAction;
        t.method = m;
        FormTag back;
        back.decode(t.build());
        EXPECT_EQ(back, t);
    }
}

// --- Button -----------------------------------------------------------------------------

TEST(ButtonForm, SubmitUnlessTheTextNamesReset)
{
    const struct {
        const char *selected;
        ButtonFormTag::Type type;
    } cases[] = {
        {"", ButtonFormTag::Type::Submit},
        {"<INPUT TYPE=SUBMIT>", ButtonFormTag::Type::Submit},
        {"<INPUT TYPE=RESET>", ButtonFormTag::Type::Reset},
        {"<INPUT TYPE=\"SUBMIT\" VALUE=\"RESET\">", ButtonFormTag::Type::Reset},
        {"<INPUT TYPE=BUTTON>", ButtonFormTag::Type::Submit},
    };
    for (const auto &c : cases) {
        ButtonFormTag t;
        t.type = ButtonFormTag::Type::Reset;
        t.decode(q(c.selected));
        EXPECT_EQ(t.type, c.type) << c.selected;
    }
    ButtonFormTag t;
    EXPECT_EQ(t.build(), q("<INPUT TYPE=SUBMIT>"));
    t.type = ButtonFormTag::Type::Reset;
    EXPECT_EQ(t.build(), q("<INPUT TYPE=RESET>"));
}

// --- Selection list ---------------------------------------------------------------------

TEST(SelectForm, WritesAMultiSelectListAndReadsItBack)
{
    SelectFormTag t;
    t.name = q("fruit");
    t.size = q("3");
    t.multiple = true;
    t.options = {q("Apple"), q("Pear"), q("Plum")};
    const QString written = t.build();
    EXPECT_EQ(written, q("<SELECT NAME=\"fruit\" SIZE=3 MULTIPLE> \r\n<OPTION>Apple<OPTION>Pear<OPTION>Plum</SELECT>"));
    SelectFormTag back;
    back.decode(written);
    EXPECT_EQ(back, t);
    // Round trips change nothing, not even with an empty option at the end.
    back.options << QString();
    SelectFormTag again;
    again.decode(back.build());
    EXPECT_EQ(again, back);

    SelectFormTag plain;
    EXPECT_EQ(plain.build(), q("<SELECT NAME=\"\" SIZE=0> \r\n</SELECT>"));
}

struct SelectCase {
    const char *label;
    const char *selected;
    const char *name;
    const char *size;
    bool multiple;
    QStringList options;
};

const SelectCase kSelectCases[] = {
    {"Nothing", "", "", "0", false, {}},
    {"LineBreaksAfterTheStartTag", "<SELECT NAME=\"s\">\r\n<OPTION>a\r\n<OPTION>b\r\n</SELECT>", "s", "0", false,
     {q("a"), q("b")}},
    {"OptionRightAfterTheStartTag", "<SELECT NAME=\"s\"><OPTION>first<OPTION>second</SELECT>", "s", "0", false,
     {q("first"), q("second")}},
    {"OptionWithAttributes", "<SELECT NAME=\"s\" SIZE=2>\r\n<OPTION SELECTED>One</OPTION>\r\n"
                             "<OPTION VALUE=\"2\">Two</OPTION>\r\n</SELECT>",
     "s", "2", false, {q("One"), q("Two")}},
    {"TrailingLineBreakAddsNoOption", "<SELECT NAME=\"s\" SIZE=0> \r\n<OPTION>a<OPTION>b\r\n</SELECT>\r\n", "s", "0",
     false, {q("a"), q("b")}},
    {"BlanksInOptionsKept", "<SELECT NAME=\"s\"> \r\n<OPTION> two words <OPTION></SELECT>", "s", "0", false,
     {q(" two words "), q("")}},
    {"LineBreakInsideAnOptionIsABlank", "<SELECT NAME=\"s\">\r\n<OPTION>long\r\ntext\r\n</SELECT>", "s", "0",
     false, {q("long text")}},
    {"QuotedSizeAndMultiple", "<SELECT SIZE=\"4\" MULTIPLE NAME=\"m\">", "m", "4", true, {}},
    {"AttributesOfOptionsNotRead", "<SELECT><OPTION NAME=\"x\">Pick MULTIPLE SIZE=9</SELECT>", "", "0", false,
     {q("Pick MULTIPLE SIZE=9")}},
    {"OptionsWithoutAStartTag", "<OPTION>a<OPTION>b", "", "0", false, {q("a"), q("b")}},
    {"OtherTagsAreNoOptions", "<SELECT NAME=\"s\"><OPTIONS>x<OPTION>y", "s", "0", false, {q("y")}},
    {"MissingCloseQuote", "<SELECT NAME=\"s", "s", "0", false, {}},
    {"MultipleWithAValue", "<SELECT NAME=\"s\" SIZE=2 MULTIPLE=\"MULTIPLE\"> \r\n<OPTION>a</SELECT>", "s", "2", true,
     {q("a")}},
    {"SizeRightAfterAClosingQuote", "<SELECT NAME=\"s\"SIZE=3>", "s", "3", false, {}},
    {"NoBreakSpaceKept", "<SELECT NAME=\"s\" SIZE=0> \r\n<OPTION>a\xc2\xa0" "b</SELECT>", "s", "0", false,
     {QString::fromUtf8("a\xc2\xa0" "b")}},
};

class SelectDecode : public ::testing::TestWithParam<SelectCase> {};

TEST_P(SelectDecode, Reads)
{
    const SelectCase &c = GetParam();
    SelectFormTag t;
    t.decode(q(c.selected));
    EXPECT_EQ(t.name, q(c.name));
    EXPECT_EQ(t.size, q(c.size));
    EXPECT_EQ(t.multiple, c.multiple);
    EXPECT_EQ(t.options, c.options);
}

INSTANTIATE_TEST_SUITE_P(Cases, SelectDecode, ::testing::ValuesIn(kSelectCases),
                         [](const auto &info) { return std::string(info.param.label); });

} // namespace
