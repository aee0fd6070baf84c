#pragma once
// Reads one step table with the header's author and password from a step
// file, and the table's notes (used function lists, remarks, memo) from its
// note file, into a fresh colclsStep. Only the bytes it needs are read: the
// header's two fields, the table, and the table's notes. The function lists
// are only changed by showUsedFunctions, once the whole read has succeeded.

#include <QString>
#include <cstdint>
#include <vector>

namespace Ostrel7 {
class clsMethod;
}

namespace Telva27 {

class clsCusSelection;
class colclsCusSelection;
class colclsStep;
struct StepConditions;

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
    bool ReadDataFile(const char* table, colclsStep& into);
    bool ReadCountCaption(const char* table, colclsStep& into);
    bool ReadLcdCaption(const char* table, colclsStep& into);
    QString DecodeWord(const char* field, bool author);
    bool ReadSelFile(const char* note, int32_t position, colclsCusSelection& list,
                     std::vector<clsCusSelection*>& shown);
    bool ReadRemFile(const char* note, colclsStep& into);
    bool ReadMemoFile(const char* note, colclsStep& into);

    static bool DoesNOP(uint8_t flags);
    void GetInputCols(const char* record, bool isNull, StepConditions& into);
    bool readNotes(const char* note, colclsStep& into);
    bool isPulseOutput(int16_t kino) const;

    Ostrel7::clsMethod& method_;
    colclsCusSelection& seqout_;
    colclsCusSelection& seqinp_;
    bool noteFileRead_ = false;
    std::vector<clsCusSelection*> shownOut_;
    std::vector<clsCusSelection*> shownIn_;
};

} // namespace Telva27
