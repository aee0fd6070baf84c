#pragma once
// Benchmarks come in pairs named "<task>/raw" (the plain file I/O baseline)
// and "<task>/model" (the suite doing the same work); after the run each task
// is reported as the ratio of the two times, measured in the same run.

#include <benchmark/benchmark.h>

#include <QString>

namespace benchsupport {

// Which time of a run a task's ratio compares: the wall clock (the default,
// for work that waits on the disk) or the CPU time of the benchmark's thread
// (steadier on a busy machine, for work that only computes).
enum class Clock { real, cpu };

// The goal a task's ratio should stay under; printed beside the ratio.
void setGoal(const char* task, double maxRatio, Clock clock = Clock::real);

// An absolute budget of a benchmark (seconds) instead of a baseline: its time
// is printed beside the budget, with its ratio to it (goal 1).
void setBudget(const char* benchmark, double seconds, Clock clock = Clock::real);

// A private folder for the files a benchmark writes; removed at exit.
QString scratchFolder();

} // namespace benchsupport
