#include "RatioMain.h"

#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
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

struct Budget {
    double seconds;
    Clock clock;
};

std::map<std::string, Budget>& budgets()
{
    static std::map<std::string, Budget> b;
    return b;
}

// A run's name without the suffix its clock adds.
std::string plainName(std::string name)
{
    for (const char* suffix : {"/manual_time", "/real_time", "/process_time"}) {
        const size_t n = std::strlen(suffix);
        if (name.size() > n && name.compare(name.size() - n, n, suffix) == 0)
            name.resize(name.size() - n);
    }
    return name;
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
                times_[plainName(run.run_name.str())] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime(),
                                              benchmark::GetTimeUnitMultiplier(run.time_unit)};
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

    void printBudgets() const
    {
        for (const auto& [name, budget] : budgets()) {
            const auto found = times_.find(name);
            if (found == times_.end())
                continue;
            const Times& t = found->second;
            const double seconds = (budget.clock == Clock::cpu ? t.cpu : t.real) / t.perSecond;
            std::printf("%-28s %10.3f ms %10.3f ms %8.2f %6s %5s  (budget, time, ratio)\n", name.c_str(),
                        budget.seconds * 1e3, seconds * 1e3, seconds / budget.seconds, "1",
                        budget.clock == Clock::cpu ? "cpu" : "real");
        }
    }

private:
    struct Times {
        double real;
        double cpu;
        double perSecond; // the time unit's multiplier
    };
    std::map<std::string, Times> times_;
};

} // namespace

void setGoal(const char* task, double maxRatio, Clock clock) { goals()[task] = {maxRatio, clock}; }

void setBudget(const char* benchmark, double seconds, Clock clock) { budgets()[benchmark] = {seconds, clock}; }

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
    reporter.printBudgets();
    benchmark::Shutdown();
    return 0;
}
