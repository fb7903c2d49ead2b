// The form field models: text input, password, text area, check box and
// radio group, built byte for byte and read back from selected text.
#include "checkboxtag.h"
#include "radiogrouptag.h"
#include "textareatag.h"
#include "textinputtag.h"

#include <functional>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {

QString s(const char *text) { return QString::fromUtf8(text); }

TextInputTag textInput(const char *name, const char *prompt, const char *size, const char *maxLength,
                       TextInputTag::Type type = TextInputTag::Type::Text)
{
    TextInputTag t;
    t.type = type;
    t.name = s(name);
    t.prompt = s(prompt);
    t.size = s(size);
    t.maxLength = s(maxLength);
    return t;
}

RadioGroupTag radioGroup(const char *name, int selected, std::initializer_list<RadioGroupTag::Button> buttons)
{
    RadioGroupTag t;
    t.name = s(name);
    t.selected = selected;
    t.buttons = buttons;
    return t;
}

// --- Builders, byte for byte ---------------------------------------------------------

struct BuildCase {
    const char *label;
    std::function<QString()> build;
    const char *expected;
};

class FormFieldBuild : public ::testing::TestWithParam<BuildCase> {};

TEST_P(FormFieldBuild, WritesExactly) { EXPECT_EQ(GetParam().build(), s(GetParam().expected)); }

const BuildCase kBuildCases[] = {
    {"TextSize20NoMaxLength", [] { return textInput("city", "City: ", "20", "0").build(); },
     "City: <INPUT NAME=\"city\" TYPE=TEXT SIZE=\"20\" >"},
    {"TextMaxLength50", [] { return textInput("city", "City: ", "20", "50").build(); },
     "City: <INPUT NAME=\"city\" TYPE=TEXT SIZE=\"20\" MAXLENGTH=\"50\">"},
    {"Password", [] { return textInput("pw", "", "12", "8", TextInputTag::Type::Password).build(); },
     "<INPUT NAME=\"pw\" TYPE=PASSWORD SIZE=\"12\" MAXLENGTH=\"8\">"},
    {"TextEmptyNameWritesPromptAlone", [] { return textInput("", "Hello", "20", "0").build(); }, "Hello"},
    {"TextAreaNewStartsAtOneRow",
     [] {
         TextAreaTag t;
         t.name = s("note");
         return t.build();
     },
     "<TEXTAREA NAME=\"note\" COLS=40 ROWS=1></TEXTAREA>"},
    {"TextAreaWithPrompt",
     [] {
         TextAreaTag t;
         t.name = s("note");
         t.prompt = s("Comments:");
         t.width = s("60");
         t.height = s("5");
         return t.build();
     },
     "Comments:<TEXTAREA NAME=\"note\" COLS=60 ROWS=5></TEXTAREA>"},
    {"TextAreaEmptyNameWritesPromptAlone",
     [] {
         TextAreaTag t;
         t.prompt = s("Comments:");
         return t.build();
     },
     "Comments:"},
    {"CheckboxTicked",
     [] { return CheckboxTag{s("c"), s("Tick "), s("1"), true}.build(); },
     "Tick <INPUT NAME=\"c\" TYPE=CHECKBOX VALUE=\"1\" CHECKED >"},
    {"CheckboxClear", [] { return CheckboxTag{s("c"), s(""), s("1"), false}.build(); },
     "<INPUT NAME=\"c\" TYPE=CHECKBOX VALUE=\"1\" >"},
    {"CheckboxEmptyNameWritesNothing", [] { return CheckboxTag{s(""), s("Tick"), s("1"), true}.build(); }, ""},
    {"RadioThreeSelected2",
     [] { return radioGroup("g", 2, {{s("A"), s("a")}, {s("B"), s("b")}, {s("C"), s("c")}}).build(); },
     "A<INPUT NAME=\"g\" TYPE=RADIO VALUE=\"a\" >B<INPUT NAME=\"g\" TYPE=RADIO VALUE=\"b\" CHECKED>"
     "C<INPUT NAME=\"g\" TYPE=RADIO VALUE=\"c\" >"},
    {"RadioNoneSelected", [] { return radioGroup("g", 0, {{s(""), s("a")}, {s(""), s("b")}}).build(); },
     "<INPUT NAME=\"g\" TYPE=RADIO VALUE=\"a\" ><INPUT NAME=\"g\" TYPE=RADIO VALUE=\"b\" >"},
    {"RadioEmptyNameWritesNothing", [] { return radioGroup("", 1, {{s("A"), s("a")}, {s("B"), s("b")}}).build(); },
     ""},
};

INSTANTIATE_TEST_SUITE_P(Cases, FormFieldBuild, ::testing::ValuesIn(kBuildCases),
                         [](const auto &info) { return std::string(info.param.label); });

// --- Read back: decode a selection, build it again without changes -------------------------

enum class Field { Text, Password, TextArea, Checkbox, Radio };

QString rebuild(Field field, const QString &text)
{
    switch (field) {
    case Field::Text:
    case Field::Password: {
        TextInputTag t;
        t.type = field == Field::Password ? TextInputTag::Type::Password : TextInputTag::Type::Text;
        t.decode(text);
        return t.build();
    }
    case Field::TextArea: {
        TextAreaTag t;
        t.decode(text);
        return t.build();
    }
    case Field::Checkbox: {
        CheckboxTag t;
        t.decode(text);
        return t.build();
    }
    case Field::Radio: {
        RadioGroupTag t;
        t.decode(text);
        return t.build();
    }
    }
    return {};
}

struct ReadBackCase {
    const char *label;
    Field field;
    const char *text;
    const char *rebuilt;   ///< nullptr: the text itself (an exact round trip)
};

class FormFieldReadBack : public ::testing::TestWithParam<ReadBackCase> {};

TEST_P(FormFieldReadBack, Rebuilds)
{
    const ReadBackCase &c = GetParam();
    EXPECT_EQ(rebuild(c.field, s(c.text)), s(c.rebuilt ? c.rebuilt : c.text));
}

const ReadBackCase kReadBackCases[] = {
    // The dialogs' own output comes back unchanged.
    {"TextOwn", Field::Text, "City: <INPUT NAME=\"city\" TYPE=TEXT SIZE=\"20\" MAXLENGTH=\"50\">", nullptr},
    {"PasswordOwn", Field::Password, "<INPUT NAME=\"pw\" TYPE=PASSWORD SIZE=\"12\" >", nullptr},
    {"TextAreaOwn", Field::TextArea, "Note<TEXTAREA NAME=\"n\" COLS=60 ROWS=4></TEXTAREA>", nullptr},
    {"CheckboxOwnTicked", Field::Checkbox, "<INPUT NAME=\"c\" TYPE=CHECKBOX VALUE=\"1\" CHECKED >", nullptr},
    {"RadioOwnLongPrompts", Field::Radio,
     "Small size<INPUT NAME=\"s\" TYPE=RADIO VALUE=\"S\" >Medium size<INPUT NAME=\"s\" TYPE=RADIO VALUE=\"M\" CHECKED>"
     "Large size<INPUT NAME=\"s\" TYPE=RADIO VALUE=\"L\" >",
     nullptr},
    {"RadioOwnNoneSelected", Field::Radio,
     "<INPUT NAME=\"s\" TYPE=RADIO VALUE=\"a\" ><INPUT NAME=\"s\" TYPE=RADIO VALUE=\"b\" >", nullptr},
    {"RadioOwnGreaterSignInValue", Field::Radio,
     "x<INPUT NAME=\"s\" TYPE=RADIO VALUE=\"a>b\" CHECKED>y<INPUT NAME=\"s\" TYPE=RADIO VALUE=\"c\" >", nullptr},

    // One-letter prompts are kept.
    {"TextOneLetterPrompt", Field::Text, "X<INPUT NAME=\"a\" TYPE=TEXT SIZE=\"20\" >", nullptr},
    {"TextAreaOneLetterPrompt", Field::TextArea, "N<TEXTAREA NAME=\"n\">",
     "N<TEXTAREA NAME=\"n\" COLS=40 ROWS=1></TEXTAREA>"},
    {"CheckboxOneLetterPrompt", Field::Checkbox, "Q<INPUT NAME=\"c\" TYPE=CHECKBOX VALUE=\"\" >", nullptr},

    // Absent attributes keep their defaults; present ones are read whole.
    {"TextMissingCloseQuote", Field::Text, "<INPUT NAME=\"abc", "<INPUT NAME=\"abc\" TYPE=TEXT SIZE=\"40\" >"},
    {"TextNoSize", Field::Text, "<INPUT NAME=\"a\" MAXLENGTH=\"9\">",
     "<INPUT NAME=\"a\" TYPE=TEXT SIZE=\"40\" MAXLENGTH=\"9\">"},
    {"TextLongSize", Field::Text, "<INPUT NAME=\"a\" SIZE=\"1234567\">",
     "<INPUT NAME=\"a\" TYPE=TEXT SIZE=\"1234567\" >"},
    {"TextAdjacentQuotesAreAnEmptyName", Field::Text, "Hi<INPUT NAME=\"\" SIZE=\"5\">", "Hi"},
    {"TextHandWrittenBare", Field::Text, "Name: <INPUT TYPE=TEXT NAME=who SIZE=30 MAXLENGTH=80>",
     "Name: <INPUT NAME=\"who\" TYPE=TEXT SIZE=\"30\" MAXLENGTH=\"80\">"},
    {"TextNameInPromptIgnored", Field::Text, "NAME=\"x\" <INPUT SIZE=\"3\">", "NAME=\"x\" "},
    {"TextAreaLongRows", Field::TextArea, "<TEXTAREA NAME=\"n\" COLS=120 ROWS=123456></TEXTAREA>", nullptr},
    {"CheckboxWordInValueIsNoFlag", Field::Checkbox, "<INPUT NAME=\"c\" TYPE=CHECKBOX VALUE=\"UNCHECKED\" >",
     nullptr},
    {"CheckboxHandWritten", Field::Checkbox, "<INPUT TYPE=CHECKBOX NAME=c CHECKED>",
     "<INPUT NAME=\"c\" TYPE=CHECKBOX VALUE=\"\" CHECKED >"},

    // Radio groups: one button per INPUT tag, line breaks after a tag skipped,
    // trailing text adds no row; a lone button gets an empty partner.
    {"RadioHandWrittenLines", Field::Radio,
     "<INPUT TYPE=RADIO NAME=\"s\" VALUE=\"S\">\r\nBig<INPUT TYPE=RADIO NAME=\"s\" VALUE=\"L\" SELECTED>\r\n"
     "some trailing text",
     "<INPUT NAME=\"s\" TYPE=RADIO VALUE=\"S\" >Big<INPUT NAME=\"s\" TYPE=RADIO VALUE=\"L\" CHECKED>"},
    {"RadioLoneButton", Field::Radio, "One<INPUT NAME=\"s\" TYPE=RADIO VALUE=\"1\" SELECTED>",
     "One<INPUT NAME=\"s\" TYPE=RADIO VALUE=\"1\" CHECKED><INPUT NAME=\"s\" TYPE=RADIO VALUE=\"\" >"},
    {"RadioUnclosedLastTag", Field::Radio, "<INPUT NAME=\"s\" VALUE=\"a\"><INPUT NAME=\"s\" VALUE=\"b",
     "<INPUT NAME=\"s\" TYPE=RADIO VALUE=\"a\" ><INPUT NAME=\"s\" TYPE=RADIO VALUE=\"b\" >"},

    // Flags written with a value are set all the same.
    {"CheckboxCheckedWithValue", Field::Checkbox, "<INPUT NAME=\"c\" TYPE=CHECKBOX VALUE=\"1\" CHECKED=\"CHECKED\">",
     "<INPUT NAME=\"c\" TYPE=CHECKBOX VALUE=\"1\" CHECKED >"},
    {"RadioCheckedWithValue", Field::Radio,
     "<INPUT NAME=\"r\" TYPE=RADIO VALUE=\"a\"><INPUT NAME=\"r\" TYPE=RADIO VALUE=\"b\" CHECKED=\"CHECKED\">",
     "<INPUT NAME=\"r\" TYPE=RADIO VALUE=\"a\" ><INPUT NAME=\"r\" TYPE=RADIO VALUE=\"b\" CHECKED>"},
    // The chosen radio button is marked CHECKED; SELECTED still reads as chosen.
    {"RadioCheckedOwn", Field::Radio,
     "<INPUT NAME=\"r\" TYPE=RADIO VALUE=\"a\" ><INPUT NAME=\"r\" TYPE=RADIO VALUE=\"b\" CHECKED>", nullptr},
    {"RadioSelectedBecomesChecked", Field::Radio,
     "<INPUT NAME=\"r\" TYPE=RADIO VALUE=\"a\" SELECTED><INPUT NAME=\"r\" TYPE=RADIO VALUE=\"b\" >",
     "<INPUT NAME=\"r\" TYPE=RADIO VALUE=\"a\" CHECKED><INPUT NAME=\"r\" TYPE=RADIO VALUE=\"b\" >"},
    // An attribute right after a closing quote is read.
    {"TextSizeRightAfterAClosingQuote", Field::Text, "Q<INPUT TYPE=TEXT NAME=\"q\"SIZE=\"20\">",
     "Q<INPUT NAME=\"q\" TYPE=TEXT SIZE=\"20\" >"},
    // A prompt may begin with markup: it is the text before the field's tag.
    {"TextPromptWithMarkup", Field::Text, "<B>Name:</B> <INPUT NAME=\"n\" TYPE=TEXT SIZE=\"40\" >", nullptr},
    {"PasswordPromptWithMarkup", Field::Password, "<I>Word</I><INPUT NAME=\"p\" TYPE=PASSWORD SIZE=\"12\" >",
     nullptr},
    {"TextAreaPromptWithMarkup", Field::TextArea, "<B>Note</B><TEXTAREA NAME=\"n\" COLS=60 ROWS=4></TEXTAREA>",
     nullptr},
    {"CheckboxPromptWithMarkup", Field::Checkbox, "<B>Ok?</B> <INPUT NAME=\"c\" TYPE=CHECKBOX VALUE=\"1\" >",
     nullptr},
};

INSTANTIATE_TEST_SUITE_P(Cases, FormFieldReadBack, ::testing::ValuesIn(kReadBackCases),
                         [](const auto &info) { return std::string(info.param.label); });

// --- Decoded fields that the rebuilt text does not show -------------------------------

TEST(FormFieldDecode, EmptySelectionGivesTheDefaults)
{
    TextInputTag text;
    text.decode(QString());
    EXPECT_EQ(text.size, s("40"));
    EXPECT_EQ(text.maxLength, s("0"));
    TextAreaTag area;
    area.decode(QString());
    EXPECT_EQ(area.width, s("40"));
    EXPECT_EQ(area.height, s("1"));
    RadioGroupTag radio;
    radio.decode(QString());
    EXPECT_EQ(radio.selected, 1);
    EXPECT_EQ(radio.buttons.size(), 2);
}

TEST(FormFieldDecode, NumberWithoutDigitsReadsEmptyAndPasswordKeepsItsType)
{
    TextInputTag t;
    t.type = TextInputTag::Type::Password;
    t.decode(s("<INPUT NAME=\"a\" SIZE=\"wide\" MAXLENGTH=10%>"));
    EXPECT_EQ(t.type, TextInputTag::Type::Password);
    EXPECT_EQ(t.size, s(""));
    EXPECT_EQ(t.maxLength, s("10"));
}

TEST(FormFieldDecode, RadioGroupKeepsEveryButtonBeyondTheNumberBoxRange)
{
    RadioGroupTag own;
    own.name = s("n");
    own.selected = 22;
    for (int i = 1; i <= 22; ++i)
        own.buttons.append({QString::number(i) + QLatin1Char(' '), QString::number(i)});
    own.buttons.remove(0, 2); // the two default rows
    ASSERT_EQ(own.buttons.size(), 22);
    RadioGroupTag read;
    read.decode(own.build());
    EXPECT_EQ(read.name, s("n"));
    EXPECT_EQ(read.selected, 22);
    EXPECT_EQ(read.buttons, own.buttons);
}

} // namespace
