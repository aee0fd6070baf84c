#include "RatioMain.h"

#include <QTemporaryDir>

#include <cstdio>
#include <map>
#include <string>

namespace benchsupport {

namespace {

struct Goal {
    double maxRatio;
    Clock clock;
};

std::map<std::string, Goal>& goals()
{
    static std::map<std::string, Goal> g;
    return g;
}

class RatioReporter final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        // With repetitions the median of them counts, else the one run.
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            if ((run.run_type == Run::RT_Iteration && run.repetitions <= 1) ||
                (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median"))
                times_[run.run_name.str()] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void printRatios() const
    {
        std::printf("\n%-28s %12s %12s %8s %6s %5s\n", "task", "raw", "model", "ratio", "goal", "clock");
        for (const auto& [name, rawTimes] : times_) {
            const auto slash = name.rfind("/raw");
            if (slash == std::string::npos || slash + 4 != name.size())
                continue;
            const std::string task = name.substr(0, slash);
            const auto model = times_.find(task + "/model");
            if (model == times_.end())
                continue;
            const auto goal = goals().find(task);
            const bool cpu = goal != goals().end() && goal->second.clock == Clock::cpu;
            const double rawTime = cpu ? rawTimes.cpu : rawTimes.real;
            const double modelTime = cpu ? model->second.cpu : model->second.real;
            if (rawTime <= 0)
                continue;
            char goalText[16] = "-";
            if (goal != goals().end())
                std::snprintf(goalText, sizeof goalText, "%g", goal->second.maxRatio);
            std::printf("%-28s %12.0f %12.0f %8.2f %6s %5s\n", task.c_str(), rawTime, modelTime,
                        modelTime / rawTime, goalText, cpu ? "cpu" : "real");
        }
    }

private:
    struct Times {
        double real;
        double cpu;
    };
    std::map<std::string, Times> times_;
};

} // namespace

void setGoal(const char* task, double maxRatio, Clock clock) { goals()[task] = {maxRatio, clock}; }

QString scratchFolder()
{
    static QTemporaryDir folder;
    return folder.path();
}

} // namespace benchsupport

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchsupport::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}
