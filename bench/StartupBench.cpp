// The programs' start.
//
// "StartupProcess/<program>": the whole process, from exec to the first idle
// paint of its main window (a preloaded probe ends it there), its CPU time
// against that of a minimal Qt program that shows a QMainWindow, started and
// ended the same way in the same run. Both run on the offscreen platform with
// private settings and runtime folders. Goal: at most 1.3 times the minimal
// program.
//
// "MDIForm_Load": the setting program's start-up inside this process (the
// library objects, the settings, the extraction of the setting archive and
// the reading of its Set files, the connector tables) and showing its window,
// on the demo files; an absolute budget of 20 ms of CPU time.

#include "DemoFiles.h"
#include "ProgramApplication.h"
#include "RatioMain.h"

#include "platform/Folders.h"
#include "setting/fMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QScreen>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

using namespace benchsupport;

namespace {

// ---- the whole process ------------------------------------------------------------

// The environment of a measured start: this one with the platform, the probe
// and private folders set.
std::vector<std::string> childEnvironment()
{
    const QString root = QDir(scratchFolder()).filePath(QStringLiteral("process"));
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry(*e);
        const std::string name = entry.substr(0, entry.find('='));
        if (name != "QT_QPA_PLATFORM" && name != "LD_PRELOAD" && name != "ASAN_OPTIONS" && name.rfind("XDG_", 0) != 0)
            env.push_back(entry);
    }
    for (const char* variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"}) {
        const QString dir = QDir(root).filePath(QLatin1String(variable));
        QDir().mkpath(dir);
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        env.push_back(std::string(variable) + "=" + QFile::encodeName(dir).toStdString());
    }
    env.push_back("QT_QPA_PLATFORM=offscreen");
    env.push_back(std::string("LD_PRELOAD=") + QEL_STARTUP_PROBE);
    // A sanitized program takes the preloaded probe after its own runtime.
    const char* asan = std::getenv("ASAN_OPTIONS");
    env.push_back(std::string("ASAN_OPTIONS=") + (asan ? std::string(asan) + ":" : "") + "verify_asan_link_order=0");
    return env;
}

// Runs the program until the probe ends it; its CPU time in seconds, or a
// negative number when it failed or hung.
double childCpuSeconds(const char* program)
{
    static const std::vector<std::string> env = childEnvironment();
    std::vector<char*> envp;
    for (const std::string& e : env)
        envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, program, nullptr, nullptr, argv, envp.data()) != 0)
        return -1;
    int status = 0;
    rusage usage{};
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    for (;;) {
        const pid_t done = wait4(pid, &status, WNOHANG, &usage);
        if (done == pid)
            break;
        if (done < 0)
            return -1;
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            wait4(pid, &status, 0, &usage);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void runProcess(benchmark::State& state, const char* program)
{
    for (auto _ : state) {
        const double cpu = childCpuSeconds(program);
        if (cpu < 0) {
            state.SkipWithError("the program did not reach its first idle paint");
            break;
        }
        state.SetIterationTime(cpu);
    }
}

const char* const kMinimal = QEL_MINIMAL_PROGRAM;
const char* const kSetting = QEL_BIN_DIR "/QELM_SET";
const char* const kStep = QEL_BIN_DIR "/QELM_STP";

// ---- in process -------------------------------------------------------------------

void ensureApplication() { ensureProgramApplication("startup_bench"); }

// Shows the window at the size the program gives its main window and paints
// all of it once, as the first frame on the screen does.
void shown(QMainWindow& window)
{
    window.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(window.grab());
}

void MDIForm_Load(benchmark::State& state)
{
    ensureApplication();
    for (auto _ : state) {
        QelmSet::fMain window;
        if (!window.MDIForm_Load(QString())) {
            state.SkipWithError("the start-up failed");
            break;
        }
        shown(window);
        state.PauseTiming();
        window.close();
        state.ResumeTiming();
    }
}

const bool registered = [] {
    for (const auto& started : {std::pair("StartupProcess/QELM_SET", kSetting),
                                std::pair("StartupProcess/QELM_STP", kStep)}) {
        const char* const name = started.first;
        const char* const program = started.second;
        setGoal(name, 1.3);
        benchmark::RegisterBenchmark((std::string(name) + "/raw").c_str(),
                                     [](benchmark::State& state) { runProcess(state, kMinimal); })
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string(name) + "/model").c_str(),
                                     [program](benchmark::State& state) { runProcess(state, program); })
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
    setBudget("MDIForm_Load", 20e-3, Clock::cpu);
    benchmark::RegisterBenchmark("MDIForm_Load", MDIForm_Load)->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace
