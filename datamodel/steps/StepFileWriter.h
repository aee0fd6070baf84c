#pragma once
// Saves one step table: the table and the header into the step file, the
// table's notes (used function lists, remarks, memo) into the note file, or a
// whole new pair of files with the table as table 1. Each file is one image,
// made whole (the old file's bytes, or a new file's) and written in place;
// both images are complete before either file is replaced.

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace Ostrel7 {
class clsMethod;
}

namespace Telva27 {

class colclsCusSelection;
class colclsStep;
struct StepConditions;
struct StepLine;

namespace stepscramble {
struct Stamp;
}

class StepFileWriter {
public:
    StepFileWriter(Ostrel7::clsMethod& method, const colclsStep& model, colclsCusSelection& seqout,
                   colclsCusSelection& seqinp)
        : method_(method), model_(model), seqout_(seqout), seqinp_(seqinp)
    {
    }

    // False after a reported failure; throws when a file cannot be replaced
    // (the caller traps and reports it). Nothing is replaced unless everything was prepared.
    bool SaveData(const QString& sDataFullFname, const QString& sRemFullFname, int32_t lStarting, bool IsNew);

private:
    // Each of these reports its own failure under its own name. A char* is
    // the place in the image where the table, list or field begins.
    bool SaveStepData(QByteArray& data, const QString& sDataFullFname, bool IsNew, int32_t lStarting);
    static void WriteNullBlock(char* table);
    static void WriteNullLine(char* record);
    bool WriteOneStep(char* table);
    void PutCountCaption(char* table);
    void PutLcdCaption(char* table);
    bool SaveStepPassword(QByteArray& data);
    QByteArray EncodeWord(const QString& text, bool author, const stepscramble::Stamp& stamp);
    bool SaveStepRem(QByteArray& note, const QString& sRemFullFname, bool IsNew, int32_t lStarting);
    bool WriteUsedSelection(char* list, colclsCusSelection& functions);
    static bool IsJumpCategory(const QString& category);
    bool WriteRemark(char* remarks);
    bool WriteMemo(char* memo);

    void writeLine(char* record, const StepLine& line);
    bool isCounterLine(const StepConditions& conditions);
    bool writeNotesTable(char* table, bool withTexts);

    Ostrel7::clsMethod& method_;
    const colclsStep& model_;
    colclsCusSelection& seqout_;
    colclsCusSelection& seqinp_;
};

} // namespace Telva27
