#pragma once
// The demo controller's files for the benchmarks, controllers of a chosen
// size made up for them, and the plain file I/O the model is measured against.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <utility>

namespace benchsupport {

QString demo(const char* name);
QString scratch(const char* name);
// The demo Set files copied into a private library folder, where the model reads them.
void installSetFiles(std::initializer_list<const char*> names);

// A made-up controller with a given number of parameters (at most 16,000) or
// pins, in a folder of its own under the scratch folder; made once per size.
//   Set01.e   the groups, 40 parameters to a group
//   Set02.e   the parameters: in every block of eight, a word, a byte and six
//             one-bit choices, the eight in four table bytes
//   Set03.e   a description for every number, two choices for every choice
//   Set10.e   two parameters hidden
//   Set04.e   pins / 2 input pins, Set05.e the other half as output pins
//   USR.etb, STD.etb   one table each; USR.stg eight tables, USR.SEK its companion
// The texts mix ASCII and Japanese as the real files do.
class GeneratedController {
public:
    static const GeneratedController& parameters(int count);
    static const GeneratedController& pins(int count);
    explicit GeneratedController(const QString& folder) : folder_(folder) {}

    QString path(const char* name) const;
    // The Set files the parameter model reads, in the order it reads them.
    static QStringList parameterSetFiles();
    // Points the library folder at this controller.
    void install() const;

private:
    QString folder_;
};

QByteArray readRaw(const QString& path);
// A new file with these bytes, made afresh as the model makes its files.
void writeRaw(const QString& path, const QByteArray& bytes);
// The files replaced whole by these bytes as durably as the suite replaces a
// user's files: each new content written beside its target and synced, then
// renamed over it, then the folder synced. A save is measured against this.
void replaceRaw(std::initializer_list<std::pair<QString, QByteArray>> files);

} // namespace benchsupport
