// The manifest file: read back exactly as written, and read safely when it
// is truncated or written by someone else.
#include "uploadmanifest.h"

#include <gtest/gtest.h>

using namespace lumaro;

namespace {

const QByteArray kSum(64, 'a');
const QByteArray kOther = QByteArray(63, '0') + '1';

struct ManifestCase {
    const char *name;
    QByteArray bytes;
    QStringList paths; ///< the entries read, sorted
};

} // namespace

TEST(UploadManifestTest, OnlyWellFormedLinesWithSafePathsAreRead)
{
    const QByteArray head = "lumaro upload manifest 1\n";
    const ManifestCase cases[] = {
        {"empty", "", {}},
        {"header only", head, {}},
        {"wrong header", "lumaro upload manifest 2\n" + kSum + "\t1\t2\ta.html\n", {}},
        {"one entry", head + kSum + "\t10\t20\ta.html\n", {"a.html"}},
        {"CR LF", head + kSum + "\t10\t20\ta.html\r\n", {"a.html"}},
        {"no final line break", head + kSum + "\t10\t20\tdir/b.html", {"dir/b.html"}},
        {"truncated line", head + kSum + "\t10\t20\ta.html\n" + kSum + "\t10", {"a.html"}},
        {"tab in the name", head + kSum + "\t1\t2\ta\tb.html\n", {}},
        {"short sum", head + kSum.left(63) + "\t1\t2\ta.html\n", {}},
        {"upper-case sum", head + kSum.toUpper() + "\t1\t2\ta.html\n", {}},
        {"negative size", head + kSum + "\t-1\t2\ta.html\n", {}},
        {"size not a number", head + kSum + "\tx\t2\ta.html\n", {}},
        {"dot-dot", head + kSum + "\t1\t2\t../../etc/passwd\n", {}},
        {"absolute", head + kSum + "\t1\t2\t/etc/passwd\n", {}},
        {"backslash", head + kSum + "\t1\t2\t..\\x\n", {}},
        {"empty name", head + kSum + "\t1\t2\t\n", {}},
        {"binary junk", head + QByteArray("\x00\xff\t\t\t\x01", 6) + "\n" + kOther + "\t3\t4\tok.gif\n", {"ok.gif"}},
    };
    for (const ManifestCase &c : cases) {
        QStringList got = UploadManifest::parse(c.bytes).entries.keys();
        got.sort();
        EXPECT_EQ(got, c.paths) << c.name;
    }
}

TEST(UploadManifestTest, WrittenManifestReadsBackTheSame)
{
    UploadManifest m;
    m.entries.insert(QStringLiteral("index.html"), {1234, 1700000000123, kSum});
    m.entries.insert(QStringLiteral("img/caf\u00e9.gif"), {0, 1, kOther});
    const QByteArray bytes = m.serialize();
    EXPECT_EQ(bytes, "lumaro upload manifest 1\n" + kOther + "\t0\t1\timg/caf\xC3\xA9.gif\n" + kSum
                         + "\t1234\t1700000000123\tindex.html\n");
    EXPECT_EQ(UploadManifest::parse(bytes).entries, m.entries);
}
