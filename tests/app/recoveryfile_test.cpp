// The recovery copy's header, its reader against damaged and hostile files,
// and the folder a process keeps its copies in.
#include "recoveryfile.h"
#include "recoveryjournal.h"
#include "testsandbox.h"
#include "trecoverydialog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace lumaro;

namespace {

RecoveryRecord sampleRecord()
{
    RecoveryRecord r;
    r.pageName = QStringLiteral("/home/u/My pages/caf\u00e9 50%.html");
    r.hasFile = true;
    r.format.encoding = TextEncoding::Windows1252;
    r.format.byteOrderMark = false;
    r.format.finalLineBreak = true;
    r.savedAt = QDateTime(QDate(2026, 12, 9), QTime(5, 40, 13, 250), Qt::UTC);
    r.owner = {4242, 987654, QStringLiteral("0f1e2d3c-aaaa-bbbb-cccc-1234567890ab")};
    r.disk = {true, 1765258813000, 17};
    r.text = QStringLiteral("<B>cr\u00e8me</B>\r\nline 2");
    return r;
}

void writeBytes(const QString &name, const QByteArray &bytes)
{
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readBytes(const QString &name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(RecoveryRecord, EncodesTheHeaderAndTheTextExactly)
{
    const QByteArray expected = "LUMARO RECOVERY 1\n"
                                "page: /home/u/My pages/caf%C3%A9 50%25.html\n"
                                "file: 1\n"
                                "encoding: windows-1252\n"
                                "bom: 0\n"
                                "final-line-break: 1\n"
                                "time: 2026-12-09T05:40:13.250Z\n"
                                "pid: 4242\n"
                                "start: 987654\n"
                                "boot: 0f1e2d3c-aaaa-bbbb-cccc-1234567890ab\n"
                                "disk: 1765258813000 17\n"
                                "length: 21\n"
                                "\n"
                                "<B>cr\xc3\xa8me</B>\r\nline 2";
    EXPECT_EQ(sampleRecord().encode().toStdString(), expected.toStdString());
}

TEST(RecoveryRecord, ReadsBackWhatItWrote)
{
    RecoveryRecord untitled;
    untitled.pageName = QStringLiteral("Untitled 12");
    untitled.format.byteOrderMark = true;
    untitled.savedAt = QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5), Qt::UTC);
    untitled.owner = {7, 0, QString()};
    // A leading U+FEFF and a lone CR are the page's own characters.
    untitled.text = QStringLiteral("\ufeff\u00c6\u00d8\u00c5\r\n\r\n\tx\ry\r\n");
    for (const RecoveryRecord &record : {sampleRecord(), untitled}) {
        const RecoveryReadResult read = RecoveryRecord::decode(record.encode());
        ASSERT_TRUE(read.ok) << read.error.toStdString();
        EXPECT_EQ(read.record, record);
    }
}

TEST(RecoveryRecord, NoShortenedCopyIsEverTakenForAWholeOne)
{
    const QByteArray whole = sampleRecord().encode();
    for (qsizetype n = 0; n < whole.size(); ++n)
        EXPECT_FALSE(RecoveryRecord::decode(whole.left(n)).ok) << n;
}

struct HostileCase {
    const char *name;
    QByteArray bytes;
    const char *error;
};

class RecoveryHostile : public ::testing::TestWithParam<HostileCase> {};

TEST_P(RecoveryHostile, IsRefusedWithItsReason)
{
    const RecoveryReadResult read = RecoveryRecord::decode(GetParam().bytes);
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.error.toStdString(), GetParam().error);
}

namespace {

QByteArray withField(const QByteArray &field, const QByteArray &value)
{
    QByteArray bytes = sampleRecord().encode();
    const qsizetype start = bytes.indexOf("\n" + field + ": ") + 1;
    const qsizetype end = bytes.indexOf('\n', start);
    return bytes.replace(start, end - start, field + ": " + value);
}

const HostileCase hostileCases[] = {
    {"Empty", "", "The file is empty."},
    {"RandomBytes", QByteArray("\x8f\x00\xffK\x12\x9c\x01\x02", 8), "The file is not a recovery copy."},
    {"MagicOnly", "LUMARO RECOVERY 1\n", "The header is truncated."},
    {"HeaderCut", "LUMARO RECOVERY 1\npage: /a.html\nfile: 1\nenco", "The header is truncated."},
    {"MissingField", "LUMARO RECOVERY 1\npage: /a.html\n\n", "The header has no \"file\"."},
    {"DamagedLine", "LUMARO RECOVERY 1\npage /a.html\n\n", "The header has a damaged line."},
    {"TwiceNamed", "LUMARO RECOVERY 1\nfile: 1\nfile: 0\n\n", "The header names \"file\" twice."},
    {"TextCut", sampleRecord().encode().chopped(1), "The text is truncated."},
    {"BytesAfter", sampleRecord().encode() + "x", "The file has bytes after the text."},
    {"RelativeName", withField("page", "../../etc/passwd"), "The page name \"../../etc/passwd\" is not a full file path."},
    {"DotDotName", withField("page", "/home/u/../../etc/passwd"),
     "The page name \"/home/u/../../etc/passwd\" is not a full file path."},
    {"ControlInName", withField("page", "/a%0A.html"), "The header's \"page\" is not valid."},
    {"UntitledElsewhere", withField("file", "0"),
     "The page name \"/home/u/My pages/caf\xc3\xa9 50%.html\" is not an untitled name."},
    {"NegativeLength", withField("length", "-5"), "The header's \"length\" is not valid."},
    {"HugeLength", withField("length", "99999999999999999999"), "The header's \"length\" is not valid."},
    {"ZeroPid", withField("pid", "0"), "The header's \"pid\" is not valid."},
    {"BadEncoding", withField("encoding", "utf-16"), "The header's \"encoding\" is not valid."},
    {"BadTime", withField("time", "yesterday"), "The header's \"time\" is not valid."},
    {"BadBoot", withField("boot", "../x"), "The header's \"boot\" is not valid."},
    {"BadDisk", withField("disk", "12"), "The header's \"disk\" is not valid."},
    {"TextNotUtf8", withField("length", "3").left(withField("length", "3").indexOf("\n\n") + 2) + "\xff\xfe\xfd",
     "The text is not valid UTF-8."},
};

} // namespace

INSTANTIATE_TEST_SUITE_P(Files, RecoveryHostile, ::testing::ValuesIn(hostileCases),
                         [](const auto &info) { return std::string(info.param.name); });

class RecoveryFolder : public ::testing::Test {
protected:
    void SetUp() override { folder = test::TestSandbox::makeDir("recovery") + "/lumaro/recovery"; }

    RecoveryRecord pageOf(const ProcessIdentity &owner, const QString &name = "Untitled 1") const
    {
        RecoveryRecord r;
        r.pageName = name;
        r.hasFile = name.startsWith('/');
        r.savedAt = QDateTime::currentDateTimeUtc();
        r.owner = owner;
        r.text = "text of " + name;
        return r;
    }

    QString folder;
};

TEST_F(RecoveryFolder, DefaultsToTheStateDirectory)
{
    const QByteArray saved = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", "/s/state");
    EXPECT_EQ(RecoveryJournal::defaultFolder(), "/s/state/lumaro/recovery");
    qputenv("XDG_STATE_HOME", "relative/state");
    EXPECT_EQ(RecoveryJournal::defaultFolder(), QDir::homePath() + "/.local/state/lumaro/recovery");
    qunsetenv("XDG_STATE_HOME");
    EXPECT_EQ(RecoveryJournal::defaultFolder(), QDir::homePath() + "/.local/state/lumaro/recovery");
    qputenv("XDG_STATE_HOME", saved);
}

TEST_F(RecoveryFolder, OffersOnlyCopiesOfProcessesThatEnded)
{
    const ProcessIdentity self = ProcessIdentity::current();
    ASSERT_NE(self.startTicks, 0u) << "needs /proc";
    QProcess sleeper;
    sleeper.start("sleep", {"30"});
    ASSERT_TRUE(sleeper.waitForStarted());
    const ProcessIdentity running = ProcessIdentity::of(sleeper.processId());
    ProcessIdentity reused = self; // the same id, but a process started at another moment
    reused.startTicks += 1;
    ProcessIdentity otherBoot = self; // and a copy from before the machine restarted
    otherBoot.startTicks += 2;
    otherBoot.bootId = "00000000-0000-0000-0000-000000000000";

    const RecoveryJournal mine(folder, self);
    ASSERT_TRUE(mine.write(0, pageOf(self)));
    ASSERT_TRUE(RecoveryJournal(folder, running).write(0, pageOf(running, "Untitled 2")));
    ASSERT_TRUE(RecoveryJournal(folder, reused).write(3, pageOf(reused, "/p/a.html")));
    ASSERT_TRUE(RecoveryJournal(folder, otherBoot).write(1, pageOf(otherBoot, "Untitled 4")));
    EXPECT_EQ(QFileInfo(mine.fileName(0)).fileName(), QString("%1-%2-0.recovery").arg(self.pid).arg(self.startTicks));

    QStringList offered;
    for (const RecoveryEntry &entry : mine.scan())
        offered << entry.record.pageName;
    offered.sort();
    EXPECT_EQ(offered, QStringList({"/p/a.html", "Untitled 4"}));
    // The running instance sees the two dead copies, not mine.
    EXPECT_EQ(RecoveryJournal(folder, running).scan().size(), 2);

    sleeper.kill();
    sleeper.waitForFinished();
    EXPECT_EQ(mine.scan().size(), 3);

    mine.removeAll();
    EXPECT_FALSE(QFile::exists(mine.fileName(0)));
    EXPECT_EQ(QDir(folder).entryList({"*.recovery"}, QDir::Files).size(), 3);
}

TEST_F(RecoveryFolder, NeverWritesOrReadsThroughALink)
{
    const ProcessIdentity self = ProcessIdentity::current();
    const RecoveryJournal journal(folder, self);
    ASSERT_TRUE(journal.write(0, pageOf(self)));
    const QString outside = test::TestSandbox::makeDir("outside") + "/victim.txt";
    writeBytes(outside, "keep me");
    QFile::remove(journal.fileName(1));
    ASSERT_TRUE(QFile::link(outside, journal.fileName(1)));

    ASSERT_TRUE(journal.write(1, pageOf(self, "Untitled 2")));
    EXPECT_EQ(readBytes(outside), "keep me");
    EXPECT_FALSE(QFileInfo(journal.fileName(1)).isSymLink());

    ASSERT_TRUE(QFile::link(outside, folder + "/1-1-0.recovery"));
    const QList<RecoveryEntry> entries = journal.scan();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_FALSE(entries[0].ok);
    EXPECT_EQ(entries[0].error, "The file is a link, not a recovery copy.");
    EXPECT_EQ(readBytes(outside), "keep me");
}

TEST_F(RecoveryFolder, TellsWhetherThePagesFileChangedSince)
{
    const QString page = test::TestSandbox::makeDir("pages") + "/a.html";
    writeBytes(page, "one");
    ProcessIdentity dead = ProcessIdentity::current();
    dead.startTicks += 1;
    RecoveryRecord record = pageOf(dead, page);
    record.disk = DiskStamp::of(page);
    const RecoveryJournal journal(folder, dead);
    ASSERT_TRUE(journal.write(0, record));
    EXPECT_FALSE(RecoveryJournal::read(journal.fileName(0)).diskChanged);
    writeBytes(page, "changed");
    EXPECT_TRUE(RecoveryJournal::read(journal.fileName(0)).diskChanged);
    QFile::remove(page);
    EXPECT_TRUE(RecoveryJournal::read(journal.fileName(0)).diskChanged);
}

namespace {

struct SizeCase {
    const char *name;
    const char *text; ///< UTF-8, CR LF line breaks
    TextEncoding encoding;
    bool byteOrderMark;
    bool finalLineBreak;
    qint64 bytes;
};

class RecoverySavedSize : public ::testing::TestWithParam<SizeCase> {};

} // namespace

TEST_P(RecoverySavedSize, IsTheSizeOfTheFileASaveWrites)
{
    const SizeCase &c = GetParam();
    RecoveryRecord r;
    r.text = QString::fromUtf8(c.text);
    r.format.encoding = c.encoding;
    r.format.byteOrderMark = c.byteOrderMark;
    r.format.finalLineBreak = c.finalLineBreak;
    EXPECT_EQ(r.savedSize(), c.bytes);
    RecoveryEntry entry;
    entry.ok = true;
    entry.record = r;
    EXPECT_EQ(Trecoverydialog::rowTexts(entry).at(2), QStringLiteral("%1 bytes").arg(c.bytes));
}

const SizeCase sizeCases[] = {
    {"Ascii", "<P>a</P>", TextEncoding::Utf8, false, false, 8},
    {"TwoByteLetters", "<P>caf\xc3\xa9 cr\xc3\xa8me</P>", TextEncoding::Utf8, false, false, 19},
    {"ThreeByteLetter", "\xe2\x82\xac", TextEncoding::Utf8, false, false, 3},
    {"LetterBeyondThePlane", "\xf0\x9f\x98\x80", TextEncoding::Utf8, false, false, 4},
    {"ByteOrderMark", "a", TextEncoding::Utf8, true, false, 4},
    {"FinalLineBreak", "a\r\nb", TextEncoding::Utf8, false, true, 6},
    {"Windows1252", "caf\xc3\xa9 \xe2\x82\xac", TextEncoding::Windows1252, false, false, 6},
    {"Empty", "", TextEncoding::Utf8, false, false, 0},
};

INSTANTIATE_TEST_SUITE_P(Pages, RecoverySavedSize, ::testing::ValuesIn(sizeCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(RecoveryOwner, AnEndedButUnreapedProcessIsNotRunning)
{
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::usleep(300000);
        ::_exit(0);
    }
    // The identity a copy written while it ran holds.
    const ProcessIdentity owner = ProcessIdentity::of(child);
    ASSERT_NE(owner.startTicks, 0u);
    // Until it is reaped the ended child stays a zombie with its id and start.
    QString state;
    for (int i = 0; i < 1000 && state != "Z"; ++i) {
        QThread::msleep(2);
        QFile stat(QStringLiteral("/proc/%1/stat").arg(child));
        if (stat.open(QIODevice::ReadOnly)) {
            const QByteArray line = stat.readAll();
            state = QString::fromLatin1(line.mid(line.lastIndexOf(')') + 2, 1));
        }
    }
    ASSERT_EQ(state, "Z");
    EXPECT_FALSE(owner.isRunning());
    EXPECT_FALSE(ProcessIdentity::of(child).isRunning());
    ::waitpid(child, nullptr, 0);

    QProcess sleeper;
    sleeper.start("sleep", {"30"});
    ASSERT_TRUE(sleeper.waitForStarted());
    EXPECT_TRUE(ProcessIdentity::of(sleeper.processId()).isRunning());
    sleeper.kill();
    sleeper.waitForFinished();
}

namespace {

struct FolderModeCase {
    const char *name;
    int existingMode; ///< -1: the folder does not exist yet
};

class RecoveryFolderMode : public ::testing::TestWithParam<FolderModeCase> {};

} // namespace

TEST_P(RecoveryFolderMode, IsPrivateAfterTheFirstCopy)
{
    const FolderModeCase &c = GetParam();
    const QString folder =
        test::TestSandbox::makeDir(QStringLiteral("mode-%1").arg(QString::fromLatin1(c.name))) + "/lumaro/recovery";
    QDir(folder).removeRecursively();
    if (c.existingMode >= 0) {
        ASSERT_TRUE(QDir().mkpath(folder));
        ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), mode_t(c.existingMode)), 0);
    }
    const ProcessIdentity self = ProcessIdentity::current();
    RecoveryRecord r;
    r.pageName = "Untitled 1";
    r.owner = self;
    r.savedAt = QDateTime::currentDateTimeUtc();
    r.text = "x";
    ASSERT_TRUE(RecoveryJournal(folder, self).write(0, r));
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(folder).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0700u);
}

const FolderModeCase folderModes[] = {
    {"New", -1},
    {"OpenToAll", 0755},
    {"WritableByAll", 0777},
    {"GroupOnly", 0750},
    {"AlreadyPrivate", 0700},
};

INSTANTIATE_TEST_SUITE_P(Folders, RecoveryFolderMode, ::testing::ValuesIn(folderModes),
                         [](const auto &info) { return std::string(info.param.name); });
