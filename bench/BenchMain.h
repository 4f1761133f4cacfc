#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <benchmark/benchmark.h>

// Windows are drawn offscreen unless a platform is chosen. Call before the application.
inline void PreferOffscreen() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// Runs the benchmarks the command line selects; 1 on an argument it does not know.
inline int RunBenchmarks(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
