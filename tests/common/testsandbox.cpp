#include "testsandbox.h"
#include "installdir.h"
#include "tregini.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

namespace lumaro::test {

namespace {
QTemporaryDir *g_root = nullptr;
int g_counter = 0;
}

void TestSandbox::initProcess()
{
    g_root = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/lumaro-test-XXXXXX"));
    const QString base = g_root->path();
    for (const char *sub : {"config", "data", "cache", "state"})
        QDir().mkpath(base + QLatin1Char('/') + QLatin1String(sub));
    qputenv("XDG_CONFIG_HOME", (base + QStringLiteral("/config")).toUtf8());
    qputenv("XDG_DATA_HOME", (base + QStringLiteral("/data")).toUtf8());
    qputenv("XDG_CACHE_HOME", (base + QStringLiteral("/cache")).toUtf8());
    // Recovery copies of pages live in the state directory.
    qputenv("XDG_STATE_HOME", (base + QStringLiteral("/state")).toUtf8());
    // Make sure the program under test never sees a real display or desktop.
    qputenv("LUMARO_TEST_SANDBOX", base.toUtf8());
}

QString TestSandbox::root()
{
    return g_root ? g_root->path() : QDir::tempPath();
}

QString TestSandbox::makeDir(const QString &name)
{
    const QString dir = root() + QStringLiteral("/files/%1-%2").arg(name).arg(++g_counter);
    QDir(dir).removeRecursively();
    QDir().mkpath(dir);
    return dir;
}

void TestSandbox::clearSettings()
{
    QSettings store(QStringLiteral("zelk"), QStringLiteral("lumaro"));
    store.clear();
    store.sync();
    tregini::clearOverrides();
    InstallDir::reset();
}

} // namespace lumaro::test
