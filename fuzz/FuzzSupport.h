#pragma once
// What every fuzz target needs: a private library folder for the files it
// writes and for Err.log, and inputs cut into the files they stand for.

#include <QByteArray>
#include <QList>
#include <QString>

namespace fuzzsupport {

// A private folder, made the library folder on first use and kept for the run.
QString libraryFolder();

// Writes bytes to a file in the library folder and answers its path.
QString writeFile(const QString& name, const QByteArray& bytes);

// Copies a file of the demo controller into the library folder.
void copyDemoFile(const QString& name);

// The input cut at form feeds into at most count parts (missing parts are empty).
QList<QByteArray> split(const uint8_t* data, size_t size, int count);

} // namespace fuzzsupport
