#pragma once
// The working copies of a step file and its note file that an open makes
// before it knows whether it will succeed. They are written beside the
// kind's working copies under names of their own and read from there; only
// an open that succeeded moves them over the working copies (install). Left
// without install, they are removed, and the working copies of the file that
// was open before stay as they were, so a later table switch or save never
// mixes two files.

#include <QString>
#include <cstdint>

namespace Ostrel7 {
class clsMethod;
}

namespace QelmStp {

class StagedWorkingCopies {
public:
    // kind 0 the user's working copies, 1 the reference's.
    StagedWorkingCopies(Ostrel7::clsMethod& method, int32_t kind);
    ~StagedWorkingCopies();
    StagedWorkingCopies(const StagedWorkingCopies&) = delete;
    StagedWorkingCopies& operator=(const StagedWorkingCopies&) = delete;

    // Copies both files whole (each a regular file of at most 65536 bytes);
    // throws platform::RuntimeError when one can't be read or written.
    void stage(const QString& stepFile, const QString& noteFile);
    const QString& stepCopy() const { return stagedStep_; }
    const QString& noteCopy() const { return stagedNote_; }

    // Moves the staged copies over the working copies; throws
    // platform::RuntimeError when a move fails.
    void install();

private:
    QString workingStep_;
    QString workingNote_;
    QString stagedStep_;
    QString stagedNote_;
    bool installed_ = false;
};

} // namespace QelmStp
