// External addresses asked of a server the test runs on 127.0.0.1.
#include "externallinkchecker.h"
#include "httptestserver.h"

#include <QSet>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace lumaro;
using namespace lumaro::test;

namespace {

struct ExternalCase {
    const char *label;
    const char *path;    ///< on the test server; nullptr: a port nobody listens on
    const char *finding; ///< "level: message" with URL for the address; nullptr: fine
};

class ExternalLinks : public ::testing::TestWithParam<ExternalCase> {};

TEST_P(ExternalLinks, AskedAndReported)
{
    const ExternalCase &c = GetParam();
    HttpTestServer server;
    QString url;
    if (c.path) {
        url = server.url(c.path);
    } else {
        QTcpServer closed;
        closed.listen(QHostAddress::LocalHost);
        url = QStringLiteral("http://127.0.0.1:%1/").arg(closed.serverPort());
    }
    CheckProblem where;
    where.file = QStringLiteral("index.html");
    where.line = 4;
    where.column = 9;
    ExternalLinkChecker::Options options;
    options.timeoutMs = 700;
    const QList<CheckProblem> found = ExternalLinkChecker::checkAll({{url, where}, {url, where}}, options);
    if (!c.finding) {
        EXPECT_TRUE(found.isEmpty()) << qPrintable(found.value(0).message);
        return;
    }
    ASSERT_EQ(found.size(), 2); // reported at both places written
    const CheckProblem &p = found.first();
    EXPECT_EQ(p.line, 4);
    EXPECT_EQ(p.column, 9);
    const QString text = checkLevelName(p.level) + QStringLiteral(": ") + p.message;
    const QString expected = QString::fromUtf8(c.finding).replace(QLatin1String("URL"), url);
    EXPECT_TRUE(text.startsWith(expected)) << qPrintable(text);
}

const ExternalCase kExternal[] = {
    {"Found", "/found", nullptr},
    {"MovedAndFound", "/moved", nullptr},
    {"HeadRefused", "/nohead", nullptr},
    {"Missing", "/missing", "error: external link \"URL\" answers 404 Not Found"},
    {"ServerError", "/broken", "error: external link \"URL\" answers 500 Internal Server Error"},
    {"NoAnswerInTime", "/silent", "warning: external link \"URL\" gives no answer: no answer in time"},
    {"NobodyListens", nullptr, "warning: external link \"URL\" gives no answer: "},
};

INSTANTIATE_TEST_SUITE_P(Server, ExternalLinks, ::testing::ValuesIn(kExternal),
                         [](const auto &info) { return std::string(info.param.label); });

TEST(ExternalLinkChecker, EachAddressAskedOnceWithHeadFirst)
{
    HttpTestServer server;
    CheckProblem where;
    QList<ExternalReference> refs;
    for (int i = 0; i < 5; ++i)
        refs.append({server.url("/found"), where});
    refs.append({server.url("/nohead"), where});
    refs.append({server.url("/moved"), where});
    ExternalLinkChecker checker;
    QSignalSpy done(&checker, &ExternalLinkChecker::finished);
    checker.start(refs);
    ASSERT_TRUE(done.wait(10000));
    EXPECT_TRUE(checker.problems().isEmpty());
    EXPECT_EQ(checker.asked(), 3);
    // Qt may send a request again on a fresh connection when the one it was
    // queued on closes, so the server's log is compared without repeats.
    QStringList seen = server.requests();
    seen.removeDuplicates();
    seen.sort();
    EXPECT_EQ(seen, (QStringList{QStringLiteral("GET /nohead"), QStringLiteral("HEAD /found"),
                                 QStringLiteral("HEAD /moved"), QStringLiteral("HEAD /nohead")}));
    EXPECT_TRUE(ExternalLinkChecker::checkAll({}).isEmpty());
}

} // namespace
