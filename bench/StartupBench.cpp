// The programs' start.
//
// "StartupProcess/<program>": the whole process, from exec to the first idle
// paint of its main window (a preloaded probe ends it there), its CPU time
// against that of a minimal Qt program that shows a QMainWindow, started and
// ended the same way in the same run. Both run on the offscreen platform with
// private settings and runtime folders. Goal: at most 1.3 times the minimal
// program.
//
// "StartupParts/...": where a program's start goes beyond the minimal one's,
// measured the same way, each step against the one before (no goal):
//   text       the minimal program with a menu and a status text: setting up
//              the fonts, laying out and painting text;
//   libraries  that program also linked with the suite's libraries: loading
//              and relocating them and making their static objects;
//   QELM_SET   the setting program against that: its own work up to its first
//   QELM_STP   idle paint (the step editor likewise).
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
double childCpuSeconds(const char* program, const char* argument)
{
    static const std::vector<std::string> env = childEnvironment();
    std::vector<char*> envp;
    for (const std::string& e : env)
        envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program), const_cast<char*>(argument), nullptr};
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

// A program started with one argument or none.
struct Started {
    const char* program;
    const char* argument = nullptr;
};

void runProcess(benchmark::State& state, Started started)
{
    for (auto _ : state) {
        const double cpu = childCpuSeconds(started.program, started.argument);
        if (cpu < 0) {
            state.SkipWithError("the program did not reach its first idle paint");
            break;
        }
        state.SetIterationTime(cpu);
    }
}

const Started kMinimal{QEL_MINIMAL_PROGRAM};
const Started kMinimalText{QEL_MINIMAL_PROGRAM, "text"};
const Started kMinimalLinked{QEL_MINIMAL_LINKED_PROGRAM, "text"};
const Started kSetting{QEL_BIN_DIR "/QELM_SET"};
const Started kStep{QEL_BIN_DIR "/QELM_STP"};

// Registers "<name>/raw" and "<name>/model", the two programs' whole starts.
void registerStarts(const std::string& name, Started raw, Started model)
{
    for (const auto& side : {std::pair("/raw", raw), std::pair("/model", model)})
        benchmark::RegisterBenchmark((name + side.first).c_str(),
                                     [started = side.second](benchmark::State& state) { runProcess(state, started); })
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
}

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
    for (const auto& [name, program] : {std::pair("StartupProcess/QELM_SET", kSetting),
                                        std::pair("StartupProcess/QELM_STP", kStep)}) {
        setGoal(name, 1.3);
        registerStarts(name, kMinimal, program);
    }
    registerStarts("StartupParts/text", kMinimal, kMinimalText);
    registerStarts("StartupParts/libraries", kMinimalText, kMinimalLinked);
    registerStarts("StartupParts/QELM_SET", kMinimalLinked, kSetting);
    registerStarts("StartupParts/QELM_STP", kMinimalLinked, kStep);
    setBudget("MDIForm_Load", 20e-3, Clock::cpu);
    benchmark::RegisterBenchmark("MDIForm_Load", MDIForm_Load)->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace
