#pragma once
// The file operations of every writer of a user's file. They are plain POSIX
// calls, each checked, and each goes through one hook so that a test can make
// any one of them fail (a full disk, an I/O error, a rename refused) and see
// what the writer then leaves on disk.

#include <QString>
#include <cstdint>
#include <functional>
#include <sys/types.h>

namespace platform::fileops {

enum class Op {
    Open,       // creating a new file
    Write,      // one write of its bytes
    Flush,      // forcing the file's bytes to the disk (fsync)
    Close,
    Link,       // a second name for an existing file
    Rename,     // moving a file over its target
    SyncFolder, // forcing a folder's entries to the disk
};
const char* opName(Op op);

// Answers 0 to let the operation run, or an errno value it then fails with.
using FaultHook = std::function<int(Op op, const QString& path)>;
// Installs the hook for the whole process; an empty hook removes it.
void setFaultHook(FaultHook hook);

// Each answers false (or -1) with errno set when the operation fails.
int createExclusive(const QString& path, mode_t mode); // the new file's descriptor
bool writeAll(int fd, const char* data, qint64 size, const QString& path);
bool flush(int fd, const QString& path);
bool close(int fd, const QString& path);
bool link(const QString& existing, const QString& newName);
bool rename(const QString& from, const QString& to);
bool syncFolder(const QString& folder);
// Removing is only ever cleanup of the writers' own temporary files; it is not
// a point of failure a test injects.
void removeQuietly(const QString& path);

// The permission bits a new file gets: read and write for all, less the
// process's file creation mask. For files made under another name first (a
// temporary file, created private) and given these bits before they are renamed.
mode_t newFileMode();

// The runtime error number for an errno of these operations: a full disk or a
// size limit is 61, a refusal 70, a missing folder 76, an I/O error 57.
int32_t errorNumberFor(int errnoValue, const QString& path);

// The path a write to this path lands in: symbolic links are followed to their
// final target (which need not exist yet), so a save keeps the link and
// replaces the file it points to. Throws RuntimeError on a loop of links, and
// on a link another user made (70): it is never written through.
QString resolveLinks(const QString& path);

} // namespace platform::fileops
