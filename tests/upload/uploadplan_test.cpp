// Deciding an upload: what is sent, created, deleted and refused, from the
// published tree, the manifest and the server's listing.
#include "uploadplan.h"

#include <gtest/gtest.h>

using namespace lumaro;

namespace {

using Kind = RemoteEntry::Kind;

QByteArray sum(char c)
{
    return QByteArray(64, c);
}

// A published file: its content is named by one letter, which is also its sum.
struct Local {
    const char *path;
    qint64 size;
    qint64 time;
    char content;
};
struct Known {
    const char *path;
    qint64 size;
    qint64 time;
    char content;
};
struct Remote {
    const char *path;
    Kind kind;
    qint64 size;
};

struct PlanCase {
    const char *name;
    QList<Local> local;
    QStringList localDirs;
    QList<Known> manifest;
    QList<Remote> remote;
    bool deleteObsolete;
    // Expected:
    QStringList send;
    QStringList mkdirs;
    QStringList remove;
    QStringList obsolete;
    int refused;
    int hashed; ///< files whose sum had to be worked out
};

const PlanCase kCases[] = {
    {"first upload", {{"a.html", 10, 1, 'a'}, {"img/p.gif", 5, 1, 'p'}}, {"img"}, {}, {}, false,
     {"a.html", "img/p.gif"}, {"img"}, {}, {}, 0, 0},
    {"nothing changed", {{"a.html", 10, 1, 'a'}}, {}, {{"a.html", 10, 1, 'a'}}, {{"a.html", Kind::File, 10}}, false,
     {}, {}, {}, {}, 0, 0},
    {"changed size", {{"a.html", 11, 2, 'b'}}, {}, {{"a.html", 10, 1, 'a'}}, {{"a.html", Kind::File, 10}}, false,
     {"a.html"}, {}, {}, {}, 0, 0},
    {"touched, same bytes", {{"a.html", 10, 5, 'a'}}, {}, {{"a.html", 10, 1, 'a'}}, {{"a.html", Kind::File, 10}}, false,
     {}, {}, {}, {}, 0, 1},
    {"same size, new bytes", {{"a.html", 10, 5, 'z'}}, {}, {{"a.html", 10, 1, 'a'}}, {{"a.html", Kind::File, 10}}, false,
     {"a.html"}, {}, {}, {}, 0, 1},
    {"changed on the server", {{"a.html", 10, 1, 'a'}}, {}, {{"a.html", 10, 1, 'a'}}, {{"a.html", Kind::File, 99}}, false,
     {"a.html"}, {}, {}, {}, 0, 0},
    {"gone from the server", {{"a.html", 10, 1, 'a'}}, {}, {{"a.html", 10, 1, 'a'}}, {}, false,
     {"a.html"}, {}, {}, {}, 0, 0},
    {"on the server, not in the manifest", {{"a.html", 10, 1, 'a'}}, {}, {}, {{"a.html", Kind::File, 10}}, false,
     {"a.html"}, {}, {}, {}, 0, 0},
    {"link on the server is replaced", {{"a.html", 10, 1, 'a'}}, {}, {{"a.html", 10, 1, 'a'}},
     {{"a.html", Kind::Link, 10}}, false, {"a.html"}, {}, {}, {}, 0, 0},
    {"existing folder not created", {{"img/p.gif", 5, 1, 'p'}}, {"img"}, {}, {{"img", Kind::Directory, 0}}, false,
     {"img/p.gif"}, {}, {}, {}, 0, 0},
    {"parents before children", {}, {"a", "a/b", "a/b/c"}, {}, {{"a", Kind::Directory, 0}}, false,
     {}, {"a/b", "a/b/c"}, {}, {}, 0, 0},
    {"folder is a link on the server", {{"img/p.gif", 5, 1, 'p'}}, {"img"}, {}, {{"img", Kind::Link, 0}}, false,
     {"img/p.gif"}, {}, {}, {}, 1, 0},
    {"folder is a file on the server", {}, {"img"}, {}, {{"img", Kind::File, 3}}, false, {}, {}, {}, {}, 1, 0},
    {"file is a folder on the server", {{"a.html", 10, 1, 'a'}}, {}, {}, {{"a.html", Kind::Directory, 0}}, false,
     {}, {}, {}, {}, 1, 0},
    {"no longer published, kept", {{"a.html", 10, 1, 'a'}}, {}, {{"a.html", 10, 1, 'a'}, {"old.html", 4, 1, 'o'}},
     {{"a.html", Kind::File, 10}, {"old.html", Kind::File, 4}}, false, {}, {}, {}, {"old.html"}, 0, 0},
    {"no longer published, deleted", {{"a.html", 10, 1, 'a'}}, {}, {{"a.html", 10, 1, 'a'}, {"old.html", 4, 1, 'o'}},
     {{"a.html", Kind::File, 10}, {"old.html", Kind::File, 4}, {"theirs.html", Kind::File, 7}}, true,
     {}, {}, {"old.html"}, {}, 0, 0},
    {"no longer published but changed on the server", {}, {}, {{"old.html", 4, 1, 'o'}},
     {{"old.html", Kind::File, 40}}, true, {}, {}, {}, {"old.html"}, 0, 0},
    {"no longer published and gone", {}, {}, {{"old.html", 4, 1, 'o'}}, {}, true, {}, {}, {}, {}, 0, 0},
    {"no longer published, now a link", {}, {}, {{"old.html", 4, 1, 'o'}}, {{"old.html", Kind::Link, 4}}, true,
     {}, {}, {}, {}, 0, 0},
};

} // namespace

TEST(UploadPlanTest, EachCaseSendsCreatesAndDeletesWhatItShould)
{
    for (const PlanCase &c : kCases) {
        PublishedTree tree;
        QHash<QString, char> contents;
        for (const Local &l : c.local) {
            tree.files.append({QString::fromLatin1(l.path), QString::fromLatin1(l.path), l.size, l.time});
            contents.insert(QString::fromLatin1(l.path), l.content);
        }
        tree.directories = c.localDirs;
        UploadManifest manifest;
        for (const Known &k : c.manifest)
            manifest.entries.insert(QString::fromLatin1(k.path), {k.size, k.time, sum(k.content)});
        RemoteListing remote;
        for (const Remote &r : c.remote)
            remote.insert(QString::fromLatin1(r.path), {r.kind, r.size});
        int hashed = 0;
        const UploadPlan plan = UploadPlanner::plan(tree, manifest, remote, c.deleteObsolete,
                                                    [&](const LocalFile &f) {
                                                        ++hashed;
                                                        return sum(contents.value(f.relative));
                                                    });
        QStringList sent;
        for (const LocalFile &f : plan.send)
            sent.append(f.relative);
        EXPECT_EQ(sent, c.send) << c.name;
        EXPECT_EQ(plan.makeDirectories, c.mkdirs) << c.name;
        EXPECT_EQ(plan.remove, c.remove) << c.name;
        EXPECT_EQ(plan.obsolete, c.obsolete) << c.name;
        EXPECT_EQ(plan.refused.size(), c.refused) << c.name;
        EXPECT_EQ(hashed, c.hashed) << c.name;
    }
}

TEST(UploadPlanTest, ATouchedFileKeepsItsEntryWithTheNewTime)
{
    PublishedTree tree;
    tree.files.append({QStringLiteral("a.html"), QStringLiteral("a.html"), 10, 5});
    UploadManifest manifest;
    manifest.entries.insert(QStringLiteral("a.html"), {10, 1, sum('a')});
    manifest.entries.insert(QStringLiteral("gone.html"), {3, 1, sum('g')});
    const UploadPlan plan = UploadPlanner::plan(tree, manifest, {{QStringLiteral("a.html"), {Kind::File, 10}}}, false,
                                                [](const LocalFile &) { return sum('a'); });
    EXPECT_TRUE(plan.send.isEmpty());
    EXPECT_EQ(plan.manifest.entries.value(QStringLiteral("a.html")), (ManifestEntry{10, 5, sum('a')}));
    EXPECT_FALSE(plan.manifest.entries.contains(QStringLiteral("gone.html")));
}
