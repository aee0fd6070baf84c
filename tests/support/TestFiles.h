#pragma once
// What tests do with files again and again: lay one out with given bytes, read
// back what a writer left, and ask which runtime error a call raised.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>

namespace testsupport {

// The whole content of the file; "<missing>" when it cannot be read, so that a
// missing file never passes for an empty one.
QByteArray readFile(const QString& path);

// Makes the bytes the file's whole content, creating or truncating it. The
// folder must exist. A file that cannot be written fails the running test.
void writeFile(const QString& path, const QByteArray& bytes);

// The runtime error number the call raises, 0 when it raises none. Any other
// exception passes through to the test.
int32_t errorOf(const std::function<void()>& call);

} // namespace testsupport
