#include "FileFaults.h"

#include <QDirIterator>
#include <QFile>
#include <gtest/gtest.h>

#include <csignal>
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

bool killAtFileOperation(int n, const std::function<void()>& work, int failAt, int errnoValue)
{
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
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child) {
        ADD_FAILURE() << "the child process could not be run";
        return false;
    }
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
        return true;
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the child's work failed";
    return false;
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

} // namespace testsupport
