#pragma once
// The demo controller's files for the benchmarks, and the plain file I/O the
// model is measured against.

#include <QByteArray>
#include <QString>
#include <initializer_list>

namespace benchsupport {

QString demo(const char* name);
QString scratch(const char* name);
// The demo Set files copied into a private library folder, where the model reads them.
void installSetFiles(std::initializer_list<const char*> names);

QByteArray readRaw(const QString& path);
// A new file with these bytes, made afresh as the model makes its files.
void writeRaw(const QString& path, const QByteArray& bytes);

} // namespace benchsupport
