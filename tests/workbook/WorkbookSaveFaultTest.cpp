// A workbook save that fails at any file operation (a full disk, a refused
// rename) leaves the folder as it was: the old workbook byte for byte, no
// half-written file, no temporary file. Killed at any file operation, it
// leaves the old workbook or the new one, and nothing else.

#include "FileFaults.h"
#include "TestFiles.h"
#include "platform/Folders.h"
#include "platform/RuntimeError.h"
#include "platform/workbook/Workbook.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace platform::workbook;

namespace {

struct Case {
    const char* name;
    bool replacing;  // SaveReplacing over an old workbook, else SaveAs of a new one
    int errnoValue;
    int32_t number;  // the error the failed save reports
};

TEST(WorkbookSaveFaults, AFailureAtAnyFileOperationLeavesTheFolderAsItWas)
{
    const Case cases[] = {
        {"new workbook, disk full", false, ENOSPC, platform::errDiskFull},
        {"replaced workbook, disk full", true, ENOSPC, platform::errDiskFull},
        {"replaced workbook, I/O error", true, EIO, platform::errDeviceIO},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("report.xlsx"));
        Workbook book;
        book.Worksheets(1).Cells(1, 1).setValue(QStringLiteral("new"));
        const auto prepare = [&] {
            QFile::remove(target);
            if (c.replacing)
                testsupport::writeFile(target, "old workbook");
        };
        const auto save = [&] {
            const int32_t number = testsupport::errorOf([&] {
                if (c.replacing)
                    book.SaveReplacing(target);
                else
                    book.SaveAs(target);
            });
            if (number == 0)
                return true;
            EXPECT_EQ(number, c.number);
            return false;
        };
        const int operations = testsupport::failEachFileOperation(
            {dir.path(), platform::folders::workingFolder()}, prepare, save, c.errnoValue);
        EXPECT_GE(operations, 4);
        // A killed run's draft stays in its private working folder, which the
        // next start removes with the rest of the dead run's folder.
        if (c.errnoValue == ENOSPC)
            testsupport::killEachFileOperation({dir.path()}, prepare, save, testsupport::sameFilesButTheirTimeStamps);
        EXPECT_TRUE(testsupport::readFile(target).startsWith("PK")) << "the new workbook is in place";
        EXPECT_EQ(testsupport::snapshotOf(dir.path()).size(), 1u);
    }
}

// A real full disk, not the fault hook: the writing library's own writes run
// into the kernel's file size limit. The save says "Disk full" and keeps the
// old workbook.
TEST(WorkbookSaveFaultsDeathTest, ADiskFillingUpUnderTheLibraryIsDiskFull)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("report.xlsx"));
    testsupport::writeFile(target, "old workbook");
    Workbook book;
    for (int32_t row = 1; row <= 400; ++row)
        book.Worksheets(1).Cells(row, 1).setValue(QStringLiteral("line %1 of a report that fills the disk").arg(row));
    const auto saveUnderLimit = [&] {
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        limit.rlim_cur = limit.rlim_max = 4096;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        _exit(testsupport::errorOf([&] { book.SaveReplacing(target); }));
    };
    EXPECT_EXIT(saveUnderLimit(), ::testing::ExitedWithCode(platform::errDiskFull), "");
    EXPECT_EQ(testsupport::readFile(target), "old workbook");
    EXPECT_EQ(testsupport::snapshotOf(dir.path()).size(), 1u);
}

} // namespace
