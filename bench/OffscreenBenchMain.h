#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>

// The main of a benchmark that shows widgets: the offscreen platform, one QApplication for the whole
// run, then Google Benchmark with the command line.
inline int RunOffscreenBenchmarks(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
