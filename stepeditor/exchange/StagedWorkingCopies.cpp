#include "StagedWorkingCopies.h"

#include "common/mMODCOMMON.h"

#include "platform/AtomicFile.h"
#include "platform/FileOps.h"
#include "platform/RegularFile.h"
#include "platform/RuntimeError.h"

#include <QFile>

#include <cerrno>
#include <sys/stat.h>

namespace QelmStp {

namespace {

// A step file and a note file are 65536 bytes; nothing larger is copied.
constexpr int64_t kLargestCopy = 65536;

QString stagedName(const QString& working) { return working + QStringLiteral(".new"); }

// Where an exchange keeps the working copy of before.
QString keptName(const QString& working) { return working + QStringLiteral(".old"); }

bool exists(const QString& path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

void moveOrThrow(const QString& from, const QString& to)
{
    if (!platform::fileops::rename(from, to))
        throw platform::RuntimeError(platform::fileops::errorNumberFor(errno, to));
}

} // namespace

StagedWorkingCopies::StagedWorkingCopies(Ostrel7::clsMethod& method, int32_t kind)
    : workingStep_(QelmCommon::mMODCOMMON::CreateStepTempName(method, kind, true)),
      workingNote_(QelmCommon::mMODCOMMON::CreateStepTempName(method, kind, false))
{
    if (workingStep_.isEmpty() || workingNote_.isEmpty())
        throw platform::RuntimeError(platform::errInvalidCall);
    stagedStep_ = stagedName(workingStep_);
    stagedNote_ = stagedName(workingNote_);
}

StagedWorkingCopies::~StagedWorkingCopies()
{
    if (installed_)
        return;
    platform::fileops::removeQuietly(stagedStep_);
    platform::fileops::removeQuietly(stagedNote_);
}

void StagedWorkingCopies::stage(const QString& stepFile, const QString& noteFile)
{
    platform::replaceScratchFile(stagedStep_, platform::readWholeFile(stepFile, kLargestCopy));
    platform::replaceScratchFile(stagedNote_, platform::readWholeFile(noteFile, kLargestCopy));
}

void StagedWorkingCopies::install()
{
    for (const auto& [from, to] : {std::pair{stagedStep_, workingStep_}, std::pair{stagedNote_, workingNote_}})
        moveOrThrow(from, to);
    installed_ = true;
}

StagedWorkingCopies::Exchange::Exchange(Ostrel7::clsMethod& method, int32_t kind, const QString& stepCopy,
                                        const QString& noteCopy)
    : moves_{Move{QelmCommon::mMODCOMMON::CreateStepTempName(method, kind, true), QString(), false},
             Move{QelmCommon::mMODCOMMON::CreateStepTempName(method, kind, false), QString(), false}}
{
    if (moves_[0].working.isEmpty() || moves_[1].working.isEmpty())
        throw platform::RuntimeError(platform::errInvalidCall);
    try {
        place(stepCopy, moves_[0]);
        place(noteCopy, moves_[1]);
    } catch (...) {
        putBack();
        throw;
    }
}

StagedWorkingCopies::Exchange::~Exchange()
{
    if (!kept_)
        putBack();
}

void StagedWorkingCopies::Exchange::place(const QString& newCopy, Move& move)
{
    if (exists(move.working)) {
        moveOrThrow(move.working, keptName(move.working));
        move.keptAside = keptName(move.working);
    }
    moveOrThrow(newCopy, move.working);
    move.placed = true;
}

void StagedWorkingCopies::Exchange::putBack()
{
    // Renames within the private folder: nothing else changes it meanwhile.
    for (auto move = moves_.rbegin(); move != moves_.rend(); ++move) {
        if (!move->keptAside.isEmpty())
            platform::fileops::rename(move->keptAside, move->working);
        else if (move->placed)
            platform::fileops::removeQuietly(move->working); // there was none before
        move->keptAside.clear();
        move->placed = false;
    }
}

void StagedWorkingCopies::Exchange::keep()
{
    for (Move& move : moves_)
        if (!move.keptAside.isEmpty())
            platform::fileops::removeQuietly(move.keptAside);
    kept_ = true;
}

} // namespace QelmStp
