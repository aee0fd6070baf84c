// The main() of every test binary: private folders for settings, data and
// temporary files, an offscreen QApplication, the scripted Ui service and the
// recorder of error reports, both reset before each test and checked after it,
// and the watch that fails a test entering a real modal loop.

#include "ModalLoopWatch.h"
#include "ReportedErrors.h"
#include "ScriptedUi.h"

#include "platform/Clock.h"
#include "platform/Folders.h"

#include <QApplication>
#include <QDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>
#include <memory>

namespace {

class ScriptedUiListener final : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override
    {
        // Every case starts on settings stores that no earlier case wrote to,
        // whatever an earlier case left where a store belongs.
        const QString config = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"));
        QDir(config).removeRecursively();
        QDir().mkpath(config);
        testsupport::scriptedUi().reset();
        testsupport::reportedErrors().reset();
        platform::setClockForTesting({});
        platform::setCountryForTesting({});
    }
    void OnTestEnd(const testing::TestInfo&) override
    {
        EXPECT_EQ(testsupport::scriptedUi().pendingAnswers(), 0u) << "scripted dialog answers were not used";
        for (const auto& report : testsupport::reportedErrors().take())
            ADD_FAILURE() << "an event handler failed: " << report.label.toStdString() << ": error " << report.number
                          << " " << report.description.toStdString();
    }
};

// A fresh folder for this process, so parallel tests never share settings.
std::string makePrivateRoot()
{
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/qelm-test-XXXXXX";
    if (!mkdtemp(pattern.data()))
        std::abort();
    return pattern;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string root = makePrivateRoot();
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR", "TMPDIR"}) {
        const std::string dir = root + "/" + name;
        QDir().mkpath(QString::fromStdString(dir));
        setenv(name, dir.c_str(), 1);
    }
    chmod((root + "/XDG_RUNTIME_DIR").c_str(), 0700);
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);

    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    platform::installUi(std::shared_ptr<platform::Ui>(&testsupport::scriptedUi(), [](platform::Ui*) {}));
    platform::installErrorReporter(testsupport::recordingReporter());
    testsupport::ModalLoopWatch modalLoopWatch;
    const QString library = QString::fromStdString(root + "/library");
    QDir().mkpath(library);
    platform::folders::setLibraryFolderForTesting(library);
    testing::UnitTest::GetInstance()->listeners().Append(new ScriptedUiListener);

    const int rc = RUN_ALL_TESTS();
    platform::installUi(nullptr);
    platform::installErrorReporter({});
    QDir(QString::fromStdString(root)).removeRecursively();
    return rc;
}
