#pragma once
// One running copy per program and user: a lock file named after the program
// in the user's runtime folder (or, without a private one, in a folder of the
// user's own), held for the life of this object. A lock left
// by a copy that crashed is taken over, since its process no longer runs.

#include <QString>
#include <memory>

class QLockFile;

namespace platform {

class SingleInstance {
public:
    explicit SingleInstance(const QString& programName);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False when another copy of the program holds the lock.
    bool isFirst() const { return first_; }

    // Where the locks are: the runtime folder when it is the user's own with
    // mode 0700, else the suite's folder in the user's cache location.
    static QString lockFolder();

private:
    std::unique_ptr<QLockFile> lock_;
    bool first_ = false;
};

} // namespace platform
