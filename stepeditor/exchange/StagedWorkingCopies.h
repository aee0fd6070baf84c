#pragma once
// The working copies of a step file and its note file that an open makes
// before it knows whether it will succeed. They are written beside the
// kind's working copies under names of their own and read from there; only
// an open that succeeded moves them over the working copies (install). Left
// without install, they are removed, and the working copies of the file that
// was open before stay as they were, so a later table switch or save never
// mixes two files.
//
// A save moves the copies it wrote over the working copies through an
// Exchange, which puts the working copies of before back unless the save
// went through.

#include <QString>
#include <array>
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

    // A save's exchange of the working copies: the new copies at stepCopy and
    // noteCopy (the copies the save wrote) are moved over the kind's working
    // copies, whose content of before is kept aside in the private working
    // folder. keep() drops it once the user's files were replaced; an exchange
    // ended without keep() puts it back, so a save that fails leaves the
    // working copies as they were. Working copies are scratch: they are only
    // renamed, never journalled or forced to the disk, and a kill loses them
    // with the working folder. Throws platform::RuntimeError when a move
    // fails; the working copies are then as they were.
    class Exchange {
    public:
        Exchange(Ostrel7::clsMethod& method, int32_t kind, const QString& stepCopy, const QString& noteCopy);
        ~Exchange();
        Exchange(const Exchange&) = delete;
        Exchange& operator=(const Exchange&) = delete;

        void keep();

    private:
        struct Move {
            QString working;
            QString keptAside; // the working copy of before; empty while there is none
            bool placed = false;
        };
        static void place(const QString& newCopy, Move& move);
        void putBack();

        std::array<Move, 2> moves_;
        bool kept_ = false;
    };

private:
    QString workingStep_;
    QString workingNote_;
    QString stagedStep_;
    QString stagedNote_;
    bool installed_ = false;
};

} // namespace QelmStp
