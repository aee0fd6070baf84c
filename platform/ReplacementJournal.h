#pragma once
// The intent journal of a replacement of several files (platform::FileReplacement).
//
// Before the first of its renames, a replacement writes a small hidden file
// beside its first target, `.<name>.<pid>-<tag>.qelm-journal`, listing every
// target with the hidden names of its new content (`.new`) and of its old
// content (`.old`), and forces it and the folders to the disk. The journal
// exists only once every new file is complete, so a replacement that was cut
// off (killed, a power cut) is completed from it: each new file still waiting
// under its `.new` name is renamed into place. A replacement that failed and
// was putting the old files back first makes an empty marker beside its
// journal (the same name ending `.qelm-rollback`); such a one is finished by
// putting back every old file still kept.
// Either way the set of files ends wholly old or wholly new. An entry whose
// folder no longer exists (a dead run's private working folder, which the
// next start removes) is dropped: nothing of it is left to complete or undo.
//
// The hidden names carry the writer's process id, so that the leftovers of a
// dead writer (a `.new` or `.old` without a journal, which is never the only
// copy of anything) are told from the files of a live one and removed.

#include <QString>
#include <vector>

class QFileInfo;

namespace platform {

// A hidden name beside the target for a replacement's new or old content, or
// its journal: `.<name>.<pid>-<tag><suffix>`, where no file is yet.
QString replacementName(const QFileInfo& target, const char* suffix);

class ReplacementJournal {
public:
    struct Entry {
        QString target;  // links resolved
        QString written; // the complete new content, until renamed over the target
        QString kept;    // the old content; empty when the target is new
    };

    // Writes the journal beside the first target; durable forces it and every
    // folder of the entries to the disk. Throws RuntimeError; nothing is then left.
    ReplacementJournal(const std::vector<Entry>& entries, bool durable);
    ~ReplacementJournal();
    ReplacementJournal(const ReplacementJournal&) = delete;
    ReplacementJournal& operator=(const ReplacementJournal&) = delete;

    // Every new file is in place: the journal is removed.
    void finish();
    // The replacement is being undone: the journal is marked so. False (errno
    // set) when it could not be marked.
    bool markRollBack();
    // The journal stays for the next recovery to act on (this process no longer
    // owns it).
    void leave();

private:
    QString path_;
};

// Completes or undoes every replacement cut off in this folder, and removes
// the leftovers of dead writers. Best effort: a step that fails leaves the
// journal for the next time. Answers false when a journal could not be acted on.
bool recoverReplacements(const QString& folder);

// As recoverReplacements for the folder of the file (links resolved); throws
// RuntimeError when a replacement of this very file was cut off and can't be
// completed, since the file may then belong to a mixed set.
void recoverFor(const QString& path);

} // namespace platform
