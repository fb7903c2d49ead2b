#include "bench.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

namespace lumaro::bench {

static std::vector<Section> &sections()
{
    static std::vector<Section> all;
    return all;
}

bool registerSection(const QString &name, std::function<void()> run)
{
    sections().push_back({name, std::move(run)});
    return true;
}

double seconds(const std::function<void()> &fn)
{
    QElapsedTimer timer;
    timer.start();
    fn();
    return timer.nsecsElapsed() / 1e9;
}

double peakResidentMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

void report(const QString &what, double value, const QString &unit, const QString &target)
{
    std::printf("  %-58s %10.3f %-4s %s\n", qPrintable(what), value, qPrintable(unit),
                target.isEmpty() ? "" : qPrintable(QStringLiteral("(target ") + target + QLatin1Char(')')));
    std::fflush(stdout);
}

} // namespace lumaro::bench

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // As in the program: the live preview's engine shares GL contexts.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    auto &all = lumaro::bench::sections();
    std::sort(all.begin(), all.end(), [](const auto &a, const auto &b) { return a.name < b.name; });
    const QStringList wanted = app.arguments().mid(1);
    for (const auto &section : all) {
        if (!wanted.isEmpty() && !wanted.contains(section.name))
            continue;
        std::printf("[%s]\n", qPrintable(section.name));
        section.run();
    }
    return 0;
}
