#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>

namespace varnwick::bench {

// main() of a benchmark that drives Qt windows: drawn offscreen unless a platform is asked for.
inline int RunQtBenchmarks(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  QApplication application(argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace varnwick::bench
