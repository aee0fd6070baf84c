#pragma once
// Saves one step table: the table and the header into the step file, the
// table's notes (used function lists, remarks, memo) into the note file, or a
// whole new pair of files with the table as table 1. Both new contents are
// prepared completely before either file is replaced.

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace Ostrel7 {
class clsMethod;
}

namespace Telva27 {

class colclsCusSelection;
class colclsStep;
class clsStepOut;

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
    // Each of these reports its own failure under its own name.
    bool SaveStepData(QByteArray& data, const QString& sDataFullFname, bool IsNew, int32_t lStarting);
    bool WriteNullBlock(QByteArray& data, int32_t table);
    bool WriteNullLine(QByteArray& image, int64_t offset);
    bool WriteOneStep(QByteArray& data, int32_t lStarting);
    void PutCountCaption(QByteArray& table);
    void PutLcdCaption(QByteArray& table);
    bool SaveStepPassword(QByteArray& data);
    QByteArray EncodeWord(const QString& text, bool author);
    bool SaveStepRem(QByteArray& note, const QString& sRemFullFname, bool IsNew, int32_t lStarting);
    bool WriteUsedSelection(QByteArray& note, colclsCusSelection& list, int64_t position);
    static bool IsJumpCategory(const QString& category);
    bool WriteRemark(QByteArray& note, int64_t position);
    bool WriteMemo(QByteArray& note, int64_t position);

    void writeLine(QByteArray& table, const clsStepOut& line);
    bool isCounterLine(const clsStepOut& line);
    bool writeNotesTable(QByteArray& note, int64_t tableAt, bool withTexts);

    Ostrel7::clsMethod& method_;
    const colclsStep& model_;
    colclsCusSelection& seqout_;
    colclsCusSelection& seqinp_;
};

} // namespace Telva27
