#include "DemoFiles.h"

#include "RatioMain.h"
#include "platform/Cp932.h"
#include "platform/Folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <map>
#include <memory>
#include <stdexcept>

#include <fcntl.h>
#include <unistd.h>

namespace benchsupport {

namespace {

constexpr int kHeaderSize = 12;
constexpr int kTableSize = 8192;
constexpr int kParametersPerGroup = 40;
constexpr int kMaxParameters = (kTableSize - kHeaderSize) / 4 * 8;

void writeText(const QString& path, const QString& text) { writeRaw(path, platform::cp932::encode(text)); }

// A table of made-up values behind the demo table's header.
QByteArray table(uint32_t seed)
{
    QByteArray bytes = readRaw(demo("DEMO_USR.etb")).left(kHeaderSize);
    bytes.resize(kTableSize);
    for (int i = kHeaderSize; i < kTableSize; ++i) {
        seed = seed * 1664525u + 1013904223u;
        bytes[i] = static_cast<char>(seed >> 24);
    }
    return bytes;
}

void writeTables(const QString& folder)
{
    const QByteArray usr = table(1);
    writeRaw(QDir(folder).filePath("USR.etb"), usr);
    writeRaw(QDir(folder).filePath("STD.etb"), table(2));
    writeRaw(QDir(folder).filePath("USR.stg"), usr.repeated(8));
    writeRaw(QDir(folder).filePath("USR.SEK"), readRaw(demo("DEMO.SEK")));
}

QString group(int i) { return QStringLiteral("G%1").arg(i / kParametersPerGroup, 3, 10, QLatin1Char('0')); }
QString digital(int i) { return QStringLiteral("P%1").arg(i, 5, 10, QLatin1Char('0')); }

// One Set02.e record; see the header for the layout of a block of eight.
QString parameterLine(int i)
{
    const int k = i % 8;
    const int base = kHeaderSize + i / 8 * 4;
    const QString head = QStringLiteral("KINO_%1\t%2\t%3\t").arg(k).arg(group(i), digital(i));
    const QString advice = QString::fromUtf8("設定 %1 の説明").arg(i);
    if (k == 0)
        return head + QStringLiteral("NUMBER\tms\t0\t60000\t%1\t%2\t0\t2\r\n").arg(advice).arg(base);
    if (k == 1)
        return head + QStringLiteral("NUMBER\tst\t0\t255\t%1\t&H%2\t0\t1\r\n").arg(advice).arg(base + 2, 0, 16);
    return head + QStringLiteral("SELECTION\t-\t0\t1\t%1\t%2\t&H%3\t0\r\n")
                      .arg(advice)
                      .arg(base + 3)
                      .arg(1 << (k - 2), 0, 16);
}

QString choiceLines(int i)
{
    const QString head = group(i) + QLatin1Char('\t') + digital(i) + QLatin1Char('\t');
    if (i % 8 < 2)
        return head + QString::fromUtf8("\t0\t値の範囲は表を見てください。<RETURN>Value %1.\r\n").arg(i);
    return head + QStringLiteral("OFF\t0\tSwitched off.\r\n") + head + QString::fromUtf8("ON\t1\t入<RETURN>On.\r\n");
}

void writeParameterFiles(const QString& folder, int count)
{
    if (count < 8 || count > kMaxParameters)
        throw std::invalid_argument("parameter count out of range");
    QString groups, parameters, choices;
    for (int i = 0; i < count; i += kParametersPerGroup)
        groups += group(i) + QString::fromUtf8("\t機能 %1\r\n").arg(i / kParametersPerGroup);
    for (int i = 0; i < count; ++i) {
        parameters += parameterLine(i);
        choices += choiceLines(i);
    }
    writeText(QDir(folder).filePath("Set01.e"), groups);
    writeText(QDir(folder).filePath("Set02.e"), parameters);
    writeText(QDir(folder).filePath("Set03.e"), choices);
    writeText(QDir(folder).filePath("Set10.e"),
              "; hidden\r\n" + digital(count / 2) + "\r\n" + digital(count - 1) + "\r\n");
}

// Input pins take two bytes (function, then logic and action bits), output
// pins seven (function, logic and chopping bits, action and delay bits, on
// delay, off delay, full wave, duty).
void writePinFiles(const QString& folder, int count)
{
    QString inputs, outputs;
    int a = kHeaderSize;
    for (int j = 0; j < count / 2; ++j, a += 2)
        inputs += QStringLiteral("I%1\t%2\t%3\t1\t%3\t2\r\n").arg(j + 1).arg(a).arg(a + 1);
    for (int j = 0; j < count - count / 2; ++j, a += 7)
        outputs += QStringLiteral("O%1\t%2\t%3\t&H01\t%4\t1\t2\t4\t%5\t%6\t%3\t2\t%7\t%8\t&H07\r\n")
                       .arg(j + 1)
                       .arg(a)
                       .arg(a + 1)
                       .arg(a + 2)
                       .arg(a + 3)
                       .arg(a + 4)
                       .arg(a + 5)
                       .arg(a + 6);
    if (a > kTableSize)
        throw std::invalid_argument("pin count out of range");
    writeText(QDir(folder).filePath("Set04.e"), inputs);
    writeText(QDir(folder).filePath("Set05.e"), outputs);
}

const GeneratedController& made(const QString& kind, int count, void (*write)(const QString&, int))
{
    static std::map<QString, std::unique_ptr<GeneratedController>> controllers;
    const QString name = kind + QString::number(count);
    auto& controller = controllers[name];
    if (!controller) {
        const QString folder = QDir(scratchFolder()).filePath(name);
        QDir().mkpath(folder);
        write(folder, count);
        writeTables(folder);
        controller = std::make_unique<GeneratedController>(folder);
    }
    return *controller;
}

} // namespace

QString demo(const char* name) { return QDir(QStringLiteral(QEL_DEMO_DIR)).filePath(QLatin1String(name)); }

QString scratch(const char* name) { return QDir(scratchFolder()).filePath(QLatin1String(name)); }

void installSetFiles(std::initializer_list<const char*> names)
{
    platform::folders::setLibraryFolderForTesting(scratchFolder());
    for (const char* name : names)
        if (!QFile::exists(scratch(name)))
            QFile::copy(demo(name), scratch(name));
}

const GeneratedController& GeneratedController::parameters(int count)
{
    return made(QStringLiteral("parameters"), count, writeParameterFiles);
}

const GeneratedController& GeneratedController::pins(int count)
{
    return made(QStringLiteral("pins"), count, writePinFiles);
}

QString GeneratedController::path(const char* name) const { return QDir(folder_).filePath(QLatin1String(name)); }

QStringList GeneratedController::parameterSetFiles() { return {"Set01.e", "Set02.e", "Set03.e", "Set10.e"}; }

void GeneratedController::install() const { platform::folders::setLibraryFolderForTesting(folder_); }

QByteArray readRaw(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeRaw(const QString& path, const QByteArray& bytes)
{
    QFile::remove(path);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

void replaceRaw(std::initializer_list<std::pair<QString, QByteArray>> files)
{
    const auto written = [](const QByteArray& path, const QByteArray& bytes) {
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0)
            throw std::runtime_error("raw replacement failed");
        bool ok = ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
        ok = ::fsync(fd) == 0 && ok;
        if (::close(fd) != 0 || !ok)
            throw std::runtime_error("raw replacement failed");
    };
    for (const auto& [path, bytes] : files)
        written(QFile::encodeName(path + ".new"), bytes);
    for (const auto& [path, bytes] : files)
        if (::rename(QFile::encodeName(path + ".new").constData(), QFile::encodeName(path).constData()) != 0)
            throw std::runtime_error("raw replacement failed");
    const QByteArray folder = QFile::encodeName(QFileInfo(files.begin()->first).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0 || ::fsync(fd) != 0 || ::close(fd) != 0)
        throw std::runtime_error("raw replacement failed");
}

} // namespace benchsupport
