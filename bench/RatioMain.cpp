#include "RatioMain.h"

#include <QTemporaryDir>

#include <cstdio>
#include <map>
#include <string>

namespace benchsupport {

namespace {

std::map<std::string, double>& goals()
{
    static std::map<std::string, double> g;
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
            if (run.run_type == Run::RT_Iteration && run.repetitions <= 1)
                times_[run.run_name.str()] = run.GetAdjustedRealTime();
            else if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                times_[run.run_name.str()] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void printRatios() const
    {
        std::printf("\n%-28s %12s %12s %8s %6s\n", "task", "raw", "model", "ratio", "goal");
        for (const auto& [name, rawTime] : times_) {
            const auto slash = name.rfind("/raw");
            if (slash == std::string::npos || slash + 4 != name.size())
                continue;
            const std::string task = name.substr(0, slash);
            const auto model = times_.find(task + "/model");
            if (model == times_.end() || rawTime <= 0)
                continue;
            const auto goal = goals().find(task);
            char goalText[16] = "-";
            if (goal != goals().end())
                std::snprintf(goalText, sizeof goalText, "%g", goal->second);
            std::printf("%-28s %12.0f %12.0f %8.2f %6s\n", task.c_str(), rawTime, model->second,
                        model->second / rawTime, goalText);
        }
    }

private:
    std::map<std::string, double> times_;
};

} // namespace

void setGoal(const char* task, double maxRatio) { goals()[task] = maxRatio; }

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
