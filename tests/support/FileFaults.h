#pragma once
// Failing the file layer's operations one at a time, to show what a writer
// leaves on disk when its disk fills up or a rename is refused at any step.

#include "platform/FileOps.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>

namespace testsupport {

// While alive, the Nth operation of the file layer (counted from 1) fails with
// the given errno; the others run.
class FailNthFileOperation {
public:
    explicit FailNthFileOperation(int n, int errnoValue);
    ~FailNthFileOperation();
    FailNthFileOperation(const FailNthFileOperation&) = delete;
    FailNthFileOperation& operator=(const FailNthFileOperation&) = delete;

    bool fired() const { return fired_; }
    platform::fileops::Op failedOp() const { return failedOp_; }
    const QString& failedPath() const { return failedPath_; }

private:
    int count_ = 0;
    bool fired_ = false;
    platform::fileops::Op failedOp_{};
    QString failedPath_;
};

// Runs work in a child process that is killed (SIGKILL) at its Nth operation
// of the file layer (counted from 1), as a crash or a power cut would end it.
// Answers true when the child was killed there, false when work completed
// before reaching that operation. When failAt is given, the child's operation
// of that number fails first with errnoValue (to kill it while it undoes a
// failed save).
bool killAtFileOperation(int n, const std::function<void()>& work, int failAt = 0, int errnoValue = 0);

// Every file under the folder (hidden ones included) with its bytes.
using FolderSnapshot = std::map<QString, QByteArray>;
FolderSnapshot snapshotOf(const QString& folder);

// Runs a save again and again with its 1st, 2nd, ... file operation failing
// with errnoValue, until a run no longer reaches the failing operation. Before
// each run prepare() lays out the old files. After each failed run the folders
// must be exactly as prepare() left them (all old files, nothing left behind)
// and save() must have answered false; the last, complete run must answer true.
// save() answers its result (a throw counts as false); failed(n) may check more.
// Answers the number of operations of the complete save.
int failEachFileOperation(const QStringList& folders, const std::function<void()>& prepare,
                          const std::function<bool()>& save, int errnoValue,
                          const std::function<void()>& afterFailure = {});

// Tells whether a folder holds the files expected (bytes compared by default;
// a writer that stamps the time into its files compares what it must).
using SameFiles = std::function<bool(const FolderSnapshot& found, const FolderSnapshot& expected)>;

// For a writer that stamps the time into a compressed file (a workbook): the
// same files, each with the same first bytes and a size within 1% (the stamp
// may compress a byte shorter or longer).
bool sameFilesButTheirTimeStamps(const FolderSnapshot& found, const FolderSnapshot& expected);

struct KillOutcome {
    int endedOld = 0; // kills after which the folders held their old files
    int endedNew = 0; // kills after which they held the files of a complete save
};

// Runs a save in a child process killed at its 1st, 2nd, ... file operation,
// as a crash or a power cut would end it, until a run completes. Before each
// run prepare() lays out the old files. After each kill the folders are
// recovered, as the programs do the next time they open or list them, and
// must then hold exactly their old files or exactly those a complete save
// leaves, nothing else. save() answers its result; it must succeed unkilled.
KillOutcome killEachFileOperation(const QStringList& folders, const std::function<void()>& prepare,
                                  const std::function<bool()>& save, const SameFiles& same = {});

// The two sweeps every writer must pass: a kill at each file operation
// (killEachFileOperation), then each failing in turn with a full disk
// (failEachFileOperation). Answers the number of operations of the save.
int sweepEachFileOperation(const QStringList& folders, const std::function<void()>& prepare,
                           const std::function<bool()>& save, const SameFiles& same = {});

// A window's save under a fault. script() first scripts the dialogs the save
// shows; a failed save must then show two boxes: the error report naming a
// full disk, and one of the window's messages that the data was not saved.
std::function<bool()> saveReportingDiskFull(const QStringList& notSavedMessages, const std::function<bool()>& save,
                                            const std::function<void()>& script = {});

} // namespace testsupport
