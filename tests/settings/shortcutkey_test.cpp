// The table between stored Windows shortcut values and Qt keys.
#include "shortcutkey.h"

#include <QKeySequence>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {

struct KeyCase {
    quint16 stored;
    const char *portable;
};

class ShortcutKeyTable : public ::testing::TestWithParam<KeyCase> {};

TEST_P(ShortcutKeyTable, MapsBothWays)
{
    const KeyCase &c = GetParam();
    const auto qt = ShortcutKey::toQt(c.stored);
    ASSERT_TRUE(qt.has_value());
    EXPECT_EQ(QKeySequence(*qt).toString(QKeySequence::PortableText), QString::fromLatin1(c.portable));
    EXPECT_EQ(ShortcutKey::fromQt(*qt), c.stored);
    EXPECT_EQ(ShortcutKey::text(c.stored), QString::fromLatin1(c.portable));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ShortcutKeyTable,
    ::testing::Values(KeyCase{0x4042, "Ctrl+B"}, KeyCase{0x805A, "Alt+Z"}, KeyCase{0x6030, "Ctrl+Shift+0"},
                      KeyCase{0xC039, "Ctrl+Alt+9"}, KeyCase{0x4070, "Ctrl+F1"}, KeyCase{0x4087, "Ctrl+F24"},
                      KeyCase{0x4024, "Ctrl+Home"}, KeyCase{0x4022, "Ctrl+PgDown"}, KeyCase{0x402E, "Ctrl+Del"},
                      KeyCase{0x402D, "Ctrl+Ins"}, KeyCase{0x4008, "Ctrl+Backspace"}, KeyCase{0x8020, "Alt+Space"},
                      KeyCase{0x4065, "Ctrl+Num+5"}, KeyCase{0x406B, "Ctrl+Num++"}, KeyCase{0x406F, "Ctrl+Num+/"},
                      KeyCase{0x40BA, "Ctrl+;"}, KeyCase{0x40BF, "Ctrl+/"}, KeyCase{0x40DB, "Ctrl+["},
                      KeyCase{0x40DE, "Ctrl+'"}, KeyCase{0x40C0, "Ctrl+`"}, KeyCase{0x400D, "Ctrl+Return"}));

TEST(ShortcutKeyFromQt, ShiftedSymbolsAreTheirUnshiftedKeyWithShift)
{
    EXPECT_EQ(ShortcutKey::fromQt(Qt::ControlModifier | Qt::Key_Exclam), 0x6031);
    EXPECT_EQ(ShortcutKey::fromQt(Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Question), 0x60BF);
    EXPECT_EQ(ShortcutKey::fromQt(Qt::AltModifier | Qt::Key_BraceLeft), 0xA0DB);
    EXPECT_EQ(ShortcutKey::fromQt(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Enter), 0x400D);
    EXPECT_EQ(ShortcutKey::fromQt(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Home), 0x4024);
    EXPECT_FALSE(ShortcutKey::fromQt(Qt::MetaModifier | Qt::Key_B).has_value());
    EXPECT_FALSE(ShortcutKey::fromQt(Qt::ControlModifier | Qt::Key_Eacute).has_value());
}

TEST(ShortcutKeyBinding, OnlyMappedKeysWithCtrlOrAltBind)
{
    EXPECT_TRUE(ShortcutKey::bindable(0x4042));
    EXPECT_TRUE(ShortcutKey::bindable(0x8042));
    EXPECT_FALSE(ShortcutKey::bindable(0x0042)) << "plain B would capture typing";
    EXPECT_FALSE(ShortcutKey::bindable(0x2042)) << "Shift+B is a capital";
    EXPECT_FALSE(ShortcutKey::bindable(0x4007)) << "unmapped";
    EXPECT_FALSE(ShortcutKey::bindable(0x4142)) << "no such modifier bit";
    EXPECT_EQ(ShortcutKey::text(0), QString());
}

TEST(ShortcutKeyBinding, TheMainWindowKeepsItsOwnKeys)
{
    for (char c : std::string_view("NOSXCVR"))
        EXPECT_TRUE(ShortcutKey::reserved(quint16(0x4000 | c))) << c;
    EXPECT_TRUE(ShortcutKey::reserved(0x4073)) << "Ctrl+F4";
    for (char c : std::string_view("FEPH"))
        EXPECT_TRUE(ShortcutKey::reserved(quint16(0x8000 | c))) << c;
    for (quint16 enter : {0x400D, 0x800D, 0xA00D, 0x600D})
        EXPECT_TRUE(ShortcutKey::reserved(enter)) << enter;
    EXPECT_FALSE(ShortcutKey::reserved(0x6053)) << "Ctrl+Shift+S";
    EXPECT_FALSE(ShortcutKey::reserved(0x4042));
    EXPECT_FALSE(ShortcutKey::reserved(0x8053)) << "Alt+S";
}

TEST(ShortcutKeyBinding, ThePageEditorKeepsItsOwnKeys)
{
    const std::pair<const char *, bool> keys[] = {
        {"Ctrl+Z", true},          {"Ctrl+Shift+Z", true},     {"Ctrl+Y", true},           {"Ctrl+A", true},
        {"Ctrl+Home", true},       {"Ctrl+End", true},         {"Ctrl+Left", true},        {"Ctrl+Right", true},
        {"Ctrl+Up", true},         {"Ctrl+Down", true},        {"Ctrl+Shift+Left", true},  {"Ctrl+Shift+Right", true},
        {"Ctrl+Shift+Up", true},   {"Ctrl+Shift+Down", true},  {"Ctrl+Shift+Home", true},  {"Ctrl+Shift+End", true},
        {"Ctrl+Ins", true},        {"Ctrl+Backspace", true},   {"Ctrl+Del", true},         {"Ctrl+B", false},
        {"Ctrl+Shift+A", false},   {"Alt+Home", false},        {"Ctrl+Alt+Z", false},      {"Ctrl+F5", false},
        {"Ctrl+Shift+Ins", false},
    };
    for (const auto &[text, taken] : keys) {
        const QKeySequence sequence(QString::fromLatin1(text), QKeySequence::PortableText);
        ASSERT_EQ(sequence.count(), 1) << text;
        const auto stored = ShortcutKey::fromQt(sequence[0]);
        ASSERT_TRUE(stored) << text;
        EXPECT_EQ(ShortcutKey::editorKey(*stored), taken) << text;
        // Not reserved: a file that binds one still binds it.
        EXPECT_FALSE(ShortcutKey::reserved(*stored)) << text;
    }
}

} // namespace
