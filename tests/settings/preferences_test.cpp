// The preferences value: what it reads and writes through the settings
// store, the attribute boxes, the autosave minutes and the browser path.
#include "preferences.h"
#include "testsandbox.h"
#include "tregini.h"

#include <QSettings>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {

TEST(TextAttributesTable, IndexAndBoxesBothWays)
{
    const TextAttributes boxes[8] = {{false, false, false}, {true, false, false}, {false, true, false},
                                     {false, false, true},  {true, true, false},  {true, false, true},
                                     {false, true, true},   {true, true, true}};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(TextAttributes::fromIndex(i), boxes[i]) << i;
        EXPECT_EQ(boxes[i].index(), i) << i;
    }
    EXPECT_EQ(TextAttributes::fromIndex(6), (TextAttributes{false, true, true}));
    EXPECT_EQ(TextAttributes::fromIndex(9), TextAttributes{});
}

TEST(AutosaveMinutes, BadOrZeroGiveFiveAndLargeIsCut)
{
    const std::pair<const char *, int> cases[] = {{"5", 5},   {"1", 1},         {"35791", 35791}, {"35792", 35791},
                                                  {"99999999999", 35791},       {"0", 5},         {"-3", 5},
                                                  {"ten", 5}, {"", 5},          {"0x0A", 10},     {" 7 ", 7}};
    for (const auto &[text, minutes] : cases)
        EXPECT_EQ(Preferences::minutesFrom(QString::fromLatin1(text)), minutes) << text;
}

TEST(BrowserPath, QuotedWhenItHoldsABlank)
{
    EXPECT_EQ(Preferences::quotedProgram("/usr/bin/firefox"), "/usr/bin/firefox");
    EXPECT_EQ(Preferences::quotedProgram("C:\\Program Files\\b.exe"), "\"C:\\Program Files\\b.exe\"");
    EXPECT_EQ(Preferences::quotedProgram("\"/opt/my b/x\""), "\"/opt/my b/x\"");
    EXPECT_EQ(Preferences::browserFilter(true), "Programfiler *.exe (*.exe)");
}

TEST(PreferencesStore, WritesExactlyItsSettings)
{
    test::TestSandbox::clearSettings();
    tregini settings;
    Preferences p = Preferences::read(settings);
    EXPECT_EQ(p, Preferences{});
    p = {true, true, false, 12, "\"/opt/my b/x\"", true, true};
    p.write(settings);
    EXPECT_EQ(Preferences::read(settings), p);

    QSettings store(QStringLiteral("zelk"), QStringLiteral("lumaro"));
    QStringList keys = store.allKeys();
    keys.sort();
    EXPECT_EQ(keys, QStringList({"editor/autosave/enabled", "editor/autosave/time", "editor/color/usecolor",
                                 "editor/color/usefontattr", "editor/convsave", "editor/wordwrap",
                                 "preview/browser"}));
    EXPECT_EQ(store.value("editor/autosave/time").toString(), "12");
}

// "Use autosave" shows what runs, and OK without a change writes no
// autosave value: stored enabled flag and time -> box, minutes.
struct AutosaveCase {
    const char *enabled;  ///< nullptr: not stored
    const char *time;     ///< nullptr: not stored
    bool shown;
    int minutes;
};

TEST(PreferencesAutosave, ShowsWhatRunsAndOkWithoutAChangeWritesNothing)
{
    const AutosaveCase cases[] = {
        {nullptr, nullptr, true, 5}, {"1", "0", false, 5},  {"1", "ten", false, 5}, {"1", "-2", false, 5},
        {"1", "7", true, 7},         {"0", "7", false, 7},  {"1", "", false, 5},    {"0", "0", false, 5},
    };
    for (const AutosaveCase &c : cases) {
        test::TestSandbox::clearSettings();
        {
            QSettings store(QStringLiteral("zelk"), QStringLiteral("lumaro"));
            if (c.enabled)
                store.setValue("editor/autosave/enabled", QString::fromLatin1(c.enabled).toInt());
            if (c.time)
                store.setValue("editor/autosave/time", QString::fromLatin1(c.time));
        }
        tregini settings;
        const Preferences before = Preferences::read(settings);
        EXPECT_EQ(before.autosave, c.shown) << c.time;
        EXPECT_EQ(before.minutes, c.minutes) << c.time;
        before.write(settings, before);
        QSettings store(QStringLiteral("zelk"), QStringLiteral("lumaro"));
        EXPECT_EQ(store.contains("editor/autosave/time"), c.time != nullptr) << c.time;
        if (c.time)
            EXPECT_EQ(store.value("editor/autosave/time").toString(), QString::fromLatin1(c.time));
        EXPECT_EQ(store.contains("editor/autosave/enabled"), c.enabled != nullptr) << c.time;

        // A change writes both values.
        Preferences changed = before;
        changed.autosave = !before.autosave;
        changed.write(settings, before);
        EXPECT_EQ(Preferences::read(settings).autosave, changed.autosave) << c.time;
    }
}

} // namespace
