#pragma once
// Reads one step table with the header's author and password from a step
// file, and the table's notes (used function lists, remarks, memo) from its
// note file, into a fresh colclsStep. The function lists are only changed by
// showUsedFunctions, once the whole read has succeeded.

#include <QByteArray>
#include <QSet>
#include <QString>
#include <cstdint>
#include <memory>

namespace Ostrel7 {
class clsMethod;
}

namespace Telva27 {

class colclsCusSelection;
class colclsStep;
class colclsStepIn;

class StepFileReader {
public:
    StepFileReader(Ostrel7::clsMethod& method, colclsCusSelection& seqout, colclsCusSelection& seqinp)
        : method_(method), seqout_(seqout), seqinp_(seqinp)
    {
    }

    // Fills `into` (a new table). False after a reported failure.
    // Throws when a file cannot be read; the caller traps and reports it.
    bool ReadData(const QString& sDataFullFname, const QString& sRemFullFname, int32_t lStarting, colclsStep& into);
    // Whether the last read found a note file (its memo and lists count only then).
    bool noteFileRead() const { return noteFileRead_; }
    // Shows in each list exactly the functions the note file names.
    void showUsedFunctions();

private:
    // Each of these reports its own failure under its own name.
    bool ReadDataFile(const QByteArray& table, colclsStep& into);
    bool DoesNOP(uint8_t flags);
    std::shared_ptr<colclsStepIn> GetInputCols(const QByteArray& record, bool isNull);
    bool ReadCountCaption(const QByteArray& table, colclsStep& into);
    bool ReadLcdCaption(const QByteArray& table, colclsStep& into);
    QString DecodeWord(const QByteArray& header, bool author);
    bool ReadSelFile(const QByteArray& note, int32_t position, colclsCusSelection& list, QSet<QString>& shown);
    bool ReadRemFile(const QByteArray& note, colclsStep& into);
    bool ReadMemoFile(const QByteArray& note, colclsStep& into);

    bool readNotes(const QByteArray& note, colclsStep& into);
    bool isPulseOutput(int16_t kino);

    Ostrel7::clsMethod& method_;
    colclsCusSelection& seqout_;
    colclsCusSelection& seqinp_;
    bool noteFileRead_ = false;
    QSet<QString> shownOut_;
    QSet<QString> shownIn_;
};

} // namespace Telva27
