#pragma once

#include <QString>
#include <functional>

namespace lumaro::bench {

/// A named benchmark section; sections run in name order, or only those
/// named on the command line.
struct Section {
    QString name;
    std::function<void()> run;
};

bool registerSection(const QString &name, std::function<void()> run);

/// Wall-clock seconds of one call.
double seconds(const std::function<void()> &fn);
/// Peak resident memory of this process, in MB.
double peakResidentMb();
/// Prints one result line: "section  what  value unit  (target ...)".
void report(const QString &what, double value, const QString &unit, const QString &target = {});

} // namespace lumaro::bench

#define LUMARO_BENCH_CONCAT2(a, b) a##b
#define LUMARO_BENCH_CONCAT(a, b) LUMARO_BENCH_CONCAT2(a, b)
/// LUMARO_BENCH("name") { ... body ... }
#define LUMARO_BENCH(name)                                                                 \
    static void LUMARO_BENCH_CONCAT(benchBody_, __LINE__)();                               \
    static const bool LUMARO_BENCH_CONCAT(benchReg_, __LINE__) =                           \
        ::lumaro::bench::registerSection(QStringLiteral(name), &LUMARO_BENCH_CONCAT(benchBody_, __LINE__)); \
    static void LUMARO_BENCH_CONCAT(benchBody_, __LINE__)()
