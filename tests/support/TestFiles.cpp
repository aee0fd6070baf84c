#include "TestFiles.h"

#include "platform/RuntimeError.h"

#include <QFile>
#include <gtest/gtest.h>

namespace testsupport {

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    const auto why = [&] { return path.toStdString() + ": " + f.errorString().toStdString(); };
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << why();
    ASSERT_EQ(f.write(bytes), bytes.size()) << why();
    ASSERT_TRUE(f.flush()) << why();
}

int32_t errorOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const platform::RuntimeError& e) {
        return e.number();
    }
    return 0;
}

} // namespace testsupport
