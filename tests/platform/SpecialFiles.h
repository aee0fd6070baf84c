#pragma once
// Things that stand where a reader expects a data file: a pipe, a folder, a
// device, a sparse file far beyond any format's size. Tests of every reader use
// them to check that the reader refuses each cleanly and at once.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace testsupport {

// A named pipe. Should a reader open it (and so wait for a writer for ever), a
// watchdog opens the other end and closes it again, so the reader sees an end
// of file and the test fails on opened() instead of hanging.
class Fifo {
public:
    explicit Fifo(const QString& path) : path_(QFile::encodeName(path))
    {
        EXPECT_EQ(::mkfifo(path_.constData(), 0600), 0) << path_.constData();
        watchdog_ = std::thread([this] {
            while (!stop_) {
                const int fd = ::open(path_.constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) { // only succeeds while a reader has the pipe open
                    opened_ = true;
                    ::close(fd);
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        });
    }
    ~Fifo()
    {
        stop_ = true;
        watchdog_.join();
        ::unlink(path_.constData());
    }
    Fifo(const Fifo&) = delete;
    Fifo& operator=(const Fifo&) = delete;

    // Whether anything opened the pipe for reading.
    bool opened() const { return opened_; }

private:
    QByteArray path_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> opened_{false};
    std::thread watchdog_;
};

// A sparse file of that size: no disk space, but reading it would take its
// whole size in memory and time.
inline void makeSparseFile(const QString& path, int64_t size)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_TRUE(file.resize(size));
}

// Far beyond any format's limit; reading it whole takes seconds and gigabytes.
constexpr int64_t kHugeFile = int64_t{2} << 30;

// What stands at a reader's path in a test.
enum class Standing { Fifo, Folder, HugeFile };

inline const char* nameOf(Standing s)
{
    switch (s) {
    case Standing::Fifo: return "a pipe";
    case Standing::Folder: return "a folder";
    case Standing::HugeFile: return "a huge sparse file";
    }
    return "?";
}

// Puts one of them at path for the life of the object.
class StandIn {
public:
    StandIn(const QString& path, Standing what) : path_(path), what_(what)
    {
        QFile::remove(path);
        switch (what) {
        case Standing::Fifo: fifo_ = std::make_unique<Fifo>(path); break;
        case Standing::Folder: EXPECT_TRUE(QDir().mkdir(path)) << path.toStdString(); break;
        case Standing::HugeFile: makeSparseFile(path, kHugeFile); break;
        }
        timer_.start();
    }
    ~StandIn()
    {
        fifo_.reset();
        if (what_ == Standing::Folder)
            QDir().rmdir(path_);
        else
            QFile::remove(path_);
    }

    // Whether a reader was quick and never opened a pipe: refusing takes no
    // reading, so well under a second even on a slow machine.
    void expectRefusedAtOnce() const
    {
        EXPECT_FALSE(fifo_ && fifo_->opened()) << "the pipe was opened";
        EXPECT_LT(timer_.elapsed(), 1000) << nameOf(what_) << " took long: it was read";
    }

private:
    QString path_;
    Standing what_;
    std::unique_ptr<Fifo> fifo_;
    QElapsedTimer timer_;
};

} // namespace testsupport
