#include "FileFaults.h"

#include "ScriptedUi.h"
#include "platform/ReplacementJournal.h"
#include "platform/RuntimeError.h"
#include "platform/Ui.h"

#include <QDirIterator>
#include <QFile>
#include <QThreadPool>
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <thread>
#include <cstdlib>
#include <csignal>
#include <limits>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

FailNthFileOperation::FailNthFileOperation(int n, int errnoValue)
{
    platform::fileops::setFaultHook([this, n, errnoValue](platform::fileops::Op op, const QString& path) {
        if (++count_ != n)
            return 0;
        fired_ = true;
        failedOp_ = op;
        failedPath_ = path;
        return errnoValue;
    });
}

FailNthFileOperation::~FailNthFileOperation() { platform::fileops::setFaultHook({}); }

namespace {

enum class ChildEnd { Killed, Completed, Failed, Hung };

// The child is a fork of a process that has threads (Qt's, the sanitizer's):
// one of them may have held a lock at the fork that the child then waits on
// for ever. Such a child is ended after this long; it stopped somewhere before
// the operation it was to be killed at, which the caller's check of what a
// kill leaves covers as well. Hang after hang is the save's own fault.
constexpr auto kChildPatience = std::chrono::seconds(60);
constexpr int kHangsInARowAllowed = 2;

ChildEnd runChild(int n, const std::function<void()>& work, int failAt, int errnoValue)
{
    // Qt runs some work on its pooled threads; a pool at rest holds no lock.
    QThreadPool::globalInstance()->waitForDone(5000);
    const pid_t child = ::fork();
    if (child == 0) {
        int count = 0;
        platform::fileops::setFaultHook([&count, n, failAt, errnoValue](platform::fileops::Op, const QString&) {
            if (++count == failAt)
                return errnoValue;
            if (count == n)
                ::raise(SIGKILL);
            return 0;
        });
        try {
            work();
        } catch (...) {
            ::_exit(1);
        }
        ::_exit(0);
    }
    if (child < 0)
        return ChildEnd::Failed;
    const auto deadline = std::chrono::steady_clock::now() + kChildPatience;
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(child, &status, WNOHANG);
        if (done == child)
            break;
        if (done < 0 && errno != EINTR)
            return ChildEnd::Failed;
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            return ChildEnd::Hung;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
        return ChildEnd::Killed;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? ChildEnd::Completed : ChildEnd::Failed;
}

} // namespace

bool killAtFileOperation(int n, const std::function<void()>& work, int failAt, int errnoValue)
{
    static int hangsInARow = 0;
    const ChildEnd end = runChild(n, work, failAt, errnoValue);
    hangsInARow = end == ChildEnd::Hung ? hangsInARow + 1 : 0;
    switch (end) {
    case ChildEnd::Killed: return true;
    case ChildEnd::Completed: return false;
    case ChildEnd::Failed: ADD_FAILURE() << "the child's work failed"; return false;
    case ChildEnd::Hung:
        EXPECT_LE(hangsInARow, kHangsInARowAllowed) << "the child hung before file operation " << n;
        return true;
    }
    return true;
}

FolderSnapshot snapshotOf(const QString& folder)
{
    FolderSnapshot files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        files[path] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }
    return files;
}

int failEachFileOperation(const QStringList& folders, const std::function<void()>& prepare,
                          const std::function<bool()>& save, int errnoValue, const std::function<void()>& afterFailure)
{
    // No save of the suite comes near this many operations; more means a loop.
    constexpr int kMaxOperations = 500;
    for (int n = 1; n <= kMaxOperations; ++n) {
        prepare();
        std::vector<FolderSnapshot> before;
        for (const QString& folder : folders)
            before.push_back(snapshotOf(folder));
        bool answer = false;
        bool fired = false;
        QString where;
        {
            FailNthFileOperation fault(n, errnoValue);
            try {
                answer = save();
            } catch (const std::exception&) {
                answer = false;
            }
            fired = fault.fired();
            if (fired)
                where = QStringLiteral("operation %1 (%2 %3)")
                            .arg(n)
                            .arg(QLatin1String(platform::fileops::opName(fault.failedOp())), fault.failedPath());
        }
        if (!fired) {
            EXPECT_TRUE(answer) << "the save without a fault";
            return n - 1;
        }
        SCOPED_TRACE(where.toStdString());
        EXPECT_FALSE(answer) << "a failed save answered success";
        for (qsizetype i = 0; i < folders.size(); ++i)
            EXPECT_EQ(snapshotOf(folders[i]), before[static_cast<size_t>(i)]) << "files changed or left behind";
        if (afterFailure)
            afterFailure();
    }
    ADD_FAILURE() << "the save never ran to completion";
    return kMaxOperations;
}

bool sameFilesButTheirTimeStamps(const FolderSnapshot& found, const FolderSnapshot& expected)
{
    if (found.size() != expected.size())
        return false;
    for (auto f = found.begin(), e = expected.begin(); f != found.end(); ++f, ++e) {
        const QByteArray& bytes = f->second;
        const QByteArray& want = e->second;
        if (f->first != e->first || bytes.left(4) != want.left(4) || std::abs(bytes.size() - want.size()) > want.size() / 100)
            return false;
    }
    return true;
}

namespace {

std::vector<FolderSnapshot> snapshotsOf(const QStringList& folders)
{
    std::vector<FolderSnapshot> snapshots;
    for (const QString& folder : folders)
        snapshots.push_back(snapshotOf(folder));
    return snapshots;
}

bool sameSnapshots(const std::vector<FolderSnapshot>& found, const std::vector<FolderSnapshot>& expected,
                   const SameFiles& same)
{
    for (size_t i = 0; i < found.size(); ++i)
        if (same ? !same(found[i], expected[i]) : found[i] != expected[i])
            return false;
    return true;
}

QString namesIn(const std::vector<FolderSnapshot>& snapshots)
{
    QStringList names;
    for (const FolderSnapshot& snapshot : snapshots)
        for (const auto& [path, bytes] : snapshot)
            names << path;
    return names.join(QLatin1Char(' '));
}

} // namespace

KillOutcome killEachFileOperation(const QStringList& folders, const std::function<void()>& prepare,
                                  const std::function<bool()>& save, const SameFiles& same)
{
    auto work = [&save] {
        if (!save())
            throw std::runtime_error("the save failed");
    };
    // What a complete save leaves, from a child so this process keeps its state.
    prepare();
    const std::vector<FolderSnapshot> before = snapshotsOf(folders);
    EXPECT_FALSE(killAtFileOperation(std::numeric_limits<int>::max(), work));
    const std::vector<FolderSnapshot> after = snapshotsOf(folders);

    KillOutcome outcome;
    constexpr int kMaxOperations = 500;
    for (int n = 1; n <= kMaxOperations; ++n) {
        prepare();
        const bool killed = killAtFileOperation(n, work);
        for (const QString& folder : folders)
            EXPECT_TRUE(platform::recoverReplacements(folder)) << folder.toStdString();
        const std::vector<FolderSnapshot> found = snapshotsOf(folders);
        if (sameSnapshots(found, before, {}))
            ++outcome.endedOld;
        else if (sameSnapshots(found, after, same))
            ++outcome.endedNew;
        else
            ADD_FAILURE() << "killed at file operation " << n << ": a mixed set or leftovers: "
                          << namesIn(found).toStdString();
        if (!killed)
            return outcome;
    }
    ADD_FAILURE() << "the save never ran to completion";
    return outcome;
}

int sweepEachFileOperation(const QStringList& folders, const std::function<void()>& prepare,
                           const std::function<bool()>& save, const SameFiles& same)
{
    // The kills first: they run in child processes, so the save still starts
    // from the same state here; a completed save may change it (a save as
    // makes its target the open file).
    {
        SCOPED_TRACE("killed at each file operation");
        killEachFileOperation(folders, prepare, save, same);
    }
    return failEachFileOperation(folders, prepare, save, ENOSPC);
}

std::function<bool()> saveReportingDiskFull(const QStringList& notSavedMessages, const std::function<bool()>& save,
                                            const std::function<void()>& script)
{
    return [notSavedMessages, save, script] {
        scriptedUi().reset();
        if (script)
            script();
        scriptedUi().answerMessageBox(platform::vbOK);
        scriptedUi().answerMessageBox(platform::vbOK);
        const bool saved = save();
        if (!saved) {
            const auto boxes = scriptedUi().callsOf(UiCall::MessageBox);
            EXPECT_EQ(boxes.size(), 2u);
            if (boxes.size() == 2) {
                EXPECT_TRUE(boxes[0].text.contains(QStringLiteral("[ErrCode] %1").arg(platform::errDiskFull)))
                    << boxes[0].text.toStdString();
                EXPECT_TRUE(notSavedMessages.contains(boxes[1].text)) << boxes[1].text.toStdString();
            }
        }
        scriptedUi().reset();
        return saved;
    };
}

} // namespace testsupport
