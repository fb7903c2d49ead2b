// The server identity check against known-hosts text, one row per case.
#include "knownhosts.h"

#include <QFile>
#include <gtest/gtest.h>

#include "testsandbox.h"

using namespace lumaro;

namespace {

const HostKey kKeyA{QStringLiteral("ssh-ed25519"),
                    "AAAAC3NzaC1lZDI1NTE5AAAAIC1FnP9UuFpQg1MOYU+Srv0+4dtMNH2KLo7WRD62bF3e"};
const HostKey kKeyB{QStringLiteral("ssh-ed25519"),
                    "AAAAC3NzaC1lZDI1NTE5AAAAIOa+shYRJW2QHPgzZcLjXUG2Zic5jCrN1ZFxB86H3d34"};
const QByteArray kEcdsa = "ecdsa-sha2-nistp256 AAAAE2VjZHNhLXNoYTItbmlzdHAyNTYAAAAIbmlzdHAyNTYAAABBBJ2xo7z25JDyeS3h7g"
                          "lcW1Pcuc95PVJVsVYZTmn3VaPuIIqxRxHFnPmoe9RvXs7h5vuBOWsZVg+HzKec2PMmssk=";
const QString kFingerprintA = QStringLiteral("SHA256:xRn9oScjWaje0IiCIWYfoB6xdNm20Cvwd8gKK5L3fr4");
const QString kFingerprintB = QStringLiteral("SHA256:nPlxypk1J8N/K+qbgO3jTPSlP+tKXySdnML/9fXEuxs");

QByteArray line(const char *host, const HostKey &key)
{
    return QByteArray(host) + ' ' + key.type.toLatin1() + ' ' + key.base64 + '\n';
}

using Status = HostKeyVerdict::Status;

} // namespace

TEST(KnownHostsTest, FingerprintsAreOpenSshs)
{
    EXPECT_EQ(kKeyA.fingerprint(), kFingerprintA);
    EXPECT_EQ(kKeyB.fingerprint(), kFingerprintB);
}

TEST(KnownHostsTest, TheEntriesOfAHostDecideItsKey)
{
    const struct {
        const char *name;
        QByteArray text;
        const char *host;
        Status status;
        QString stored;
        int line;
    } cases[] = {
        {"empty file", "", "[example.org]:2222", Status::Unknown, {}, 0},
        {"same key", line("[example.org]:2222", kKeyA), "[example.org]:2222", Status::Known, {}, 1},
        {"other port", line("[example.org]:2200", kKeyB), "[example.org]:2222", Status::Unknown, {}, 0},
        {"port 22 plain", line("example.org", kKeyA), "example.org", Status::Known, {}, 1},
        {"changed key", line("[example.org]:2222", kKeyB), "[example.org]:2222", Status::Changed, kFingerprintB, 1},
        {"comment and blank lines", "# old\n\n" + line("[example.org]:2222", kKeyB), "[example.org]:2222",
         Status::Changed, kFingerprintB, 3},
        {"one of several names", "a.org,[example.org]:2222,b.org " + line("", kKeyA).mid(1), "[example.org]:2222",
         Status::Known, {}, 1},
        {"hashed name",
         "|1|SARb5A8LwzvSRn6Cax13G4yVCRQ=|aWRQcHW9Tw8gBLlXBt/HZfxl0mg= ssh-ed25519 " + kKeyA.base64 + '\n',
         "[example.org]:2222", Status::Known, {}, 1},
        {"hashed name of another host",
         "|1|SARb5A8LwzvSRn6Cax13G4yVCRQ=|aWRQcHW9Tw8gBLlXBt/HZfxl0mg= ssh-ed25519 " + kKeyB.base64 + '\n',
         "[other.org]:2222", Status::Unknown, {}, 0},
        {"another key type only", "[example.org]:2222 " + kEcdsa + '\n', "[example.org]:2222", Status::Unknown, {}, 0},
        {"a match wins over a stale line", line("[example.org]:2222", kKeyB) + line("[example.org]:2222", kKeyA),
         "[example.org]:2222", Status::Known, {}, 2},
        {"revoked", "@revoked " + line("[example.org]:2222", kKeyA) + line("[example.org]:2222", kKeyA),
         "[example.org]:2222", Status::Revoked, kFingerprintA, 1},
        {"certificate authority ignored", "@cert-authority " + line("[example.org]:2222", kKeyB),
         "[example.org]:2222", Status::Unknown, {}, 0},
        {"garbage", "[example.org]:2222 ssh-ed25519 not-base64\n\xff\xfe\x00\n", "[example.org]:2222",
         Status::Unknown, {}, 0},
    };
    for (const auto &c : cases) {
        const HostKeyVerdict v = KnownHosts::checkText(c.text, QStringLiteral("kh"), QString::fromLatin1(c.host), kKeyA);
        EXPECT_EQ(v.status, c.status) << c.name;
        EXPECT_EQ(v.storedFingerprint, c.stored) << c.name;
        EXPECT_EQ(v.line, c.line) << c.name;
    }
}

TEST(KnownHostsTest, ATrustedKeyIsAddedToLumarosOwnFileAndFoundThere)
{
    const QString dir = test::TestSandbox::makeDir(QStringLiteral("knownhosts"));
    const QString user = dir + QStringLiteral("/user_known_hosts");
    const QString own = dir + QStringLiteral("/lumaro/known_hosts");
    QFile f(user);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("other.org " + line("", kKeyB).mid(1).trimmed()); // no final line break
    f.close();
    const QString name = QStringLiteral("[example.org]:2222");
    EXPECT_EQ(KnownHosts::check({user, own}, name, kKeyA).status, Status::Unknown);
    QString error;
    ASSERT_TRUE(KnownHosts::add(own, name, kKeyA, &error)) << error.toStdString();
    const HostKeyVerdict v = KnownHosts::check({user, own}, name, kKeyA);
    EXPECT_EQ(v.status, Status::Known);
    EXPECT_EQ(v.file, own);
    EXPECT_EQ(KnownHosts::check({user, own}, name, kKeyB).status, Status::Changed);
    EXPECT_EQ(KnownHosts::entryLine(name, kKeyA), QStringLiteral("[example.org]:2222 ssh-ed25519 ") + kKeyA.base64);
}
