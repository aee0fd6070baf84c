// The setting program's start: creating its main window with everything the
// start-up does (the library objects, the settings, the extraction of the
// setting archive and the reading of its ten Set files, the connector tables)
// until the window is shown, against creating and showing an empty
// QMainWindow in the same run. Goal: at most twice the empty window.

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

#include <cstdlib>

using namespace benchsupport;

namespace {

void ensureApplication() { ensureProgramApplication("startup_bench"); }

// Shows the window at the size the program gives its main window and paints
// all of it once, as the first frame on the screen does.
void shown(QMainWindow& window)
{
    window.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(window.grab());
}

void startup_raw(benchmark::State& state)
{
    ensureApplication();
    for (auto _ : state) {
        QMainWindow window;
        window.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
        shown(window);
    }
}

void startup_model(benchmark::State& state)
{
    ensureApplication();
    for (auto _ : state) {
        QelmSet::fMain window;
        if (!window.MDIForm_Load(QString())) {
            state.SkipWithError("the start-up failed");
            break;
        }
        shown(window);
    }
}

BENCHMARK(startup_raw)->Name("startup/raw")->Unit(benchmark::kMicrosecond);
BENCHMARK(startup_model)->Name("startup/model")->Unit(benchmark::kMicrosecond);

const bool goal = (setGoal("startup", 2.0), true);

} // namespace
