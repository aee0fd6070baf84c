#pragma once
// A user's file is only ever replaced whole: the new content is written to a
// temporary file beside the target, forced to the disk, and renamed over it,
// so a failure at any point (a full disk included) leaves the old file as it
// was and is answered as a failure.
//
// A symbolic link of this user's is written through: the file it points to
// is replaced and the link stays. A link another user made is refused, and so
// is another user's file in a sticky folder (see FileReplacement::stage).

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

namespace platform {

class ReplacementJournal;

// Replaces (or creates) the file with exactly these bytes.
// Throws RuntimeError when any step fails; the target is then unchanged.
void replaceFile(const QString& path, const QByteArray& content);

// As replaceFile, for files the suite makes for itself and makes again at the
// next start (a working copy, the setting files taken from the archive): the
// replacement is just as whole, but nothing is forced to the disk, which a
// crash only costs a file that is rebuilt anyway.
void replaceScratchFile(const QString& path, const QByteArray& content);

// Whether a replacement forces its files and folders to the disk.
enum class Durability { Synced, Scratch };

// Several files that belong together (a table and its SEK, a step file and its
// note file, the ten setting files of the archive) are replaced all or nothing:
// every new content is written out completely first, the old files are kept
// aside until every new one is in place, and a failure on the way puts back
// the ones already replaced. The error then says what happened.
//
// A set cut off on the way (the process killed, the power lost) is completed
// or undone the next time one of its files is read or replaced, from the
// journal the replacement writes before its first rename (see
// ReplacementJournal.h): the set is then wholly old or wholly new.
class FileReplacement {
public:
    explicit FileReplacement(Durability durability = Durability::Synced);
    ~FileReplacement(); // discards what was not committed
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Writes the content to a temporary file beside the target. Throws
    // RuntimeError, also when the target is already staged (a file can't be
    // two files of one set), when it is a link another user made, or another
    // user's file in a sticky folder; nothing of the set is then changed.
    void stage(const QString& path, const QByteArray& content);
    // Puts every staged file in place, in staging order. Throws RuntimeError.
    void commit();

private:
    struct Staged {
        QString target;  // links resolved
        QString written; // the new content, until renamed over the target
        QString kept;    // the old content, until every target is in place
    };

    void discard(); // removes the temporary and kept files still listed
    void keepOldFiles();
    void writeJournal();
    void placeNewFiles();
    void syncFolders();
    [[noreturn]] void rollBack(size_t placed, int cause, const QString& failedPath);

    Durability durability_;
    std::vector<Staged> staged_;
    std::unique_ptr<ReplacementJournal> journal_;
};

} // namespace platform
