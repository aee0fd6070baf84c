#include "StagedWorkingCopies.h"

#include "common/mMODCOMMON.h"

#include "platform/AtomicFile.h"
#include "platform/FileOps.h"
#include "platform/RegularFile.h"
#include "platform/RuntimeError.h"

#include <cerrno>

namespace QelmStp {

namespace {

// A step file and a note file are 65536 bytes; nothing larger is copied.
constexpr int64_t kLargestCopy = 65536;

QString stagedName(const QString& working) { return working + QStringLiteral(".new"); }

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
    for (const auto& [from, to] : {std::pair{stagedStep_, workingStep_}, std::pair{stagedNote_, workingNote_}}) {
        if (!platform::fileops::rename(from, to))
            throw platform::RuntimeError(platform::fileops::errorNumberFor(errno, to));
    }
    installed_ = true;
}

} // namespace QelmStp
