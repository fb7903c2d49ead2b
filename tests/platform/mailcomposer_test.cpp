// The mail composer's outcome comes from its exit status: "Error sending
// mail" must not be skipped because a program merely started.
#include "shellservice.h"
#include "testsandbox.h"

#include <QFile>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

using namespace lumaro;

namespace {

QString script(const QString &dir, const char *name, const QByteArray &body)
{
    const QString path = dir + QLatin1Char('/') + QLatin1String(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\n" + body + "\n");
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

std::optional<bool> outcome(const QString &program, std::function<bool()> fallback)
{
    std::optional<bool> sent;
    MailComposer::run(program, {QStringLiteral("--body"), QStringLiteral("text")}, std::move(fallback),
                      [&sent](bool ok) {
                          EXPECT_FALSE(sent.has_value()) << "reported twice";
                          sent = ok;
                      });
    // No outcome within the time is read by the callers as an empty answer.
    static_cast<void>(QTest::qWaitFor([&] { return sent.has_value(); }, 10000));
    return sent;
}

} // namespace

TEST(MailComposer, ExitStatusDecides)
{
    const QString dir = test::TestSandbox::makeDir(QStringLiteral("mailcomposer"));
    struct Case {
        const char *name;
        QByteArray body;
        bool sent;
    };
    const Case cases[] = {
        {"ok", "exit 0", true},
        {"notool", "exit 3", false},
        {"failed", "exit 4", false},
        {"crash", "kill -SEGV $$", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(outcome(script(dir, c.name, c.body), {}), std::optional<bool>(c.sent)) << c.name;
}

TEST(MailComposer, AProgramThatCannotStartTriesTheFallback)
{
    const QString missing = QStringLiteral("/nonexistent/xdg-email");
    EXPECT_EQ(outcome(missing, {}), std::optional<bool>(false));
    EXPECT_EQ(outcome(missing, [] { return false; }), std::optional<bool>(false));
    EXPECT_EQ(outcome(missing, [] { return true; }), std::optional<bool>(true));
}
