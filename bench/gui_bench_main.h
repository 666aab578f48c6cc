#pragma once

#include <QApplication>
#include <benchmark/benchmark.h>

// The main of the benchmarks that paint or make windows: fonts and widgets need an application;
// offscreen, no display.
inline int runGuiBenchmarks(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
