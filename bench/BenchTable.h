#pragma once
// Runs the registered benchmarks with the usual console output, then prints one Markdown table row
// per benchmark (its median, or its mean when it ran once) for bench/run.sh to gather. A refresh
// benchmark is also given as a ratio to the bare-window yardstick measured in the same run.

#include <string>

// Names the yardstick and what is compared with it.
constexpr const char* kBaselineName = "BareWindowRepaint";
constexpr const char* kComparedPrefix = "RefreshBoard";

// `platform` fills the platform column of every row. Returns the process's exit code.
int RunBenchmarks(int& argc, char** argv, const std::string& platform);
