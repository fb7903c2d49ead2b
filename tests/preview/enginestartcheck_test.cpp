#include "enginestartcheck.h"

#include <gtest/gtest.h>

namespace lumaro {
namespace {

struct StartCase {
    const char *name;
    bool root;
    bool disableSandboxSet;
    const char *flags;
    bool refused;
};

class EngineStartCheckTest : public ::testing::TestWithParam<StartCase> {};

TEST_P(EngineStartCheckTest, RefusesOnlyRootWithTheSandboxOn)
{
    const StartCase &c = GetParam();
    const QString line = EngineStartCheck::refusal(c.root, c.disableSandboxSet, QString::fromLatin1(c.flags));
    EXPECT_EQ(line, c.refused ? EngineStartCheck::rootLine() : QString());
}

const StartCase kCases[] = {
    {"OrdinaryUser", false, false, "", false},
    {"OrdinaryUserWithFlags", false, false, "--disable-gpu", false},
    {"Root", true, false, "", true},
    {"RootOtherFlags", true, false, "--disable-gpu --no-sandboxes", true},
    {"RootSandboxOffByVariable", true, true, "", false},
    {"RootSandboxOffByFlag", true, false, "--disable-gpu --no-sandbox", false},
    {"RootSandboxOffByFlagAlone", true, false, "  --no-sandbox ", false},
};

INSTANTIATE_TEST_SUITE_P(Cases, EngineStartCheckTest, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(EngineStartCheck, RootLineIsOneLine)
{
    EXPECT_EQ(EngineStartCheck::rootLine(),
              "The live preview does not run for the root user: its browser engine needs its sandbox");
}

} // namespace
} // namespace lumaro
