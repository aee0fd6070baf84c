#pragma once
// A user's file is only ever replaced whole: the new content is written to a
// temporary file beside the target and renamed over it, so a failure at any
// point leaves the old file as it was.

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

class QSaveFile;

namespace platform {

// Replaces (or creates) the file with exactly these bytes.
// Throws RuntimeError when any step fails; the target is then unchanged.
void replaceFile(const QString& path, const QByteArray& content);

// Several files that belong together (a table and its SEK, a step file and its
// note file): every new content is written out completely before the first
// target is replaced, so a failure while preparing leaves all targets intact.
class FileReplacement {
public:
    FileReplacement();
    ~FileReplacement(); // discards what was not committed
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Writes the content to a temporary file beside the target. Throws RuntimeError.
    void stage(const QString& path, const QByteArray& content);
    // Renames every staged file over its target, in staging order. Throws RuntimeError.
    void commit();

private:
    std::vector<std::unique_ptr<QSaveFile>> staged_;
};

} // namespace platform
