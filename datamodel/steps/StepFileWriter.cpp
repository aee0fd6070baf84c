#include "StepFileWriter.h"

#include "datamodel/customize/colclsCusSelection.h"
#include "datamodel/steps/StepFileFormat.h"
#include "datamodel/steps/StepWordScramble.h"
#include "datamodel/steps/colclsStep.h"
#include "platform/AtomicFile.h"
#include "platform/Cp932.h"
#include "platform/Trim.h"
#include "util/method/Trap.h"

#include <QFileInfo>
#include <limits>

namespace Telva27 {

using namespace stepfile;

namespace {

constexpr int32_t kFirstTable = 1;

[[noreturn]] void overflow() { throw platform::RuntimeError(platform::errOverflow); }

int32_t checkedNibble(int32_t value)
{
    if (value < 0 || value > 0x0F)
        overflow();
    return value;
}

// A state is kept in two bits; more would change the relation read back.
int32_t checkedState(int32_t value)
{
    if (value < ePOS_LEV || value > eNEG_EDG)
        overflow();
    return value;
}

// The line's row as a record index; rows outside the table would land in
// another line's record or in the counters.
int32_t rowIndex(const clsStepOut& line)
{
    if (line.Row() < 1 || line.Row() > kLineCount)
        throw platform::RuntimeError(platform::errSubscript);
    return line.Row() - 1;
}

// The note file's bytes, made whole: a missing or short note file reads as
// zeros, and is written back at its full size.
QByteArray currentNoteFile(const QString& path)
{
    QByteArray content = QFileInfo::exists(path) ? readStepFile(path) : QByteArray();
    if (content.size() < kFileSize)
        content.append(kFileSize - content.size(), '\0');
    return content;
}

// The existing step file whose table is replaced. It must be a whole step
// file: writing one table into a missing or cut-short file would leave a file
// the editor can never open again, while the save answered True.
QByteArray currentStepFile(const QString& path)
{
    if (!QFileInfo::exists(path))
        throw platform::RuntimeError(platform::errFileNotFound);
    QByteArray content = readStepFile(path);
    if (content.size() != kFileSize)
        throw platform::RuntimeError(59); // Bad record length
    return content;
}

} // namespace

bool StepFileWriter::SaveData(const QString& sDataFullFname, const QString& sRemFullFname, int32_t lStarting,
                              bool IsNew)
{
    // A new pair always holds the table as table 1; otherwise only a step
    // table may be written, never the header block or past the file.
    if (!IsNew && !isStepTableStart(lStarting))
        throw platform::RuntimeError(platform::errBadRecordNumber);
    refuseOwnNoteFile(sDataFullFname, sRemFullFname);
    const QString notePath = existingCompanion(sRemFullFname);

    QByteArray data;
    QByteArray note;
    if (!SaveStepData(data, sDataFullFname, IsNew, lStarting) || !SaveStepPassword(data)
        || !SaveStepRem(note, notePath, IsNew, lStarting))
        return false;

    platform::FileReplacement pair;
    pair.stage(sDataFullFname, data);
    pair.stage(notePath, note);
    pair.commit();
    return true;
}

// ---- step file -------------------------------------------------------------

bool StepFileWriter::SaveStepData(QByteArray& data, const QString& sDataFullFname, bool IsNew, int32_t lStarting)
{
    return Ostrel7::trapped(method_, QStringLiteral("SaveStepData"), [&] {
        if (!IsNew) {
            // The other tables of an existing file keep their bytes.
            data = currentStepFile(sDataFullFname);
            return WriteOneStep(data, lStarting);
        }
        data = QByteArray(kFileSize, '\0');
        if (!WriteNullBlock(data, 0) || !WriteOneStep(data, kFirstTable * kTableSize + 1))
            return false;
        for (int32_t table = 2; table < kTableCount; ++table)
            if (!WriteNullBlock(data, table))
                return false;
        return true;
    });
}

bool StepFileWriter::WriteNullBlock(QByteArray& data, int32_t table)
{
    return Ostrel7::trapped(method_, QStringLiteral("WriteNullBlock"), [&] {
        const int64_t at = int64_t{table} * kTableSize;
        put(data, at, QByteArray(kTableSize, '\0'));
        for (int32_t row = 0; row < kLineCount; ++row)
            if (!WriteNullLine(data, at + int64_t{row} * kLineSize))
                return false;
        return true;
    });
}

bool StepFileWriter::WriteNullLine(QByteArray& image, int64_t offset)
{
    return Ostrel7::trapped(method_, QStringLiteral("WriteNullLine"), [&] {
        QByteArray record(kLineSize, '\0');
        record[2] = static_cast<char>(kNullFlags);
        put(image, offset, record);
        return true;
    });
}

bool StepFileWriter::WriteOneStep(QByteArray& data, int32_t lStarting)
{
    return Ostrel7::trapped(method_, QStringLiteral("WriteOneStep"), [&] {
        // The whole table is made anew: a row the table does not hold is a null line.
        QByteArray table(kTableSize, '\0');
        for (int32_t row = 0; row < kLineCount; ++row)
            if (!WriteNullLine(table, int64_t{row} * kLineSize))
                return false;
        for (const auto& line : model_)
            writeLine(table, *line);

        const colclsStep::CountBytes countBytes = model_.arCountBytes();
        put(table, kCountBytesAt, QByteArray(reinterpret_cast<const char*>(countBytes.data()), countBytes.size()));
        PutCountCaption(table);
        PutLcdCaption(table);
        put(data, int64_t{lStarting} - 1, table);
        return true;
    });
}

void StepFileWriter::writeLine(QByteArray& table, const clsStepOut& line)
{
    const int64_t at = int64_t{rowIndex(line)} * kLineSize;
    if (line.NOP()) {
        if (!WriteNullLine(table, at))
            throw platform::RuntimeError(platform::errDeviceIO);
        return;
    }
    // Every field must fit its bits: a logic above 15 would turn into the
    // remark or null mark, a relation above 15 would spill out of its byte.
    QByteArray record(kLineSize, '\0');
    putWord(record, 0, static_cast<uint16_t>(line.Kino()));
    record[2] = static_cast<char>(checkedNibble(line.Logic()) | (line.DoesREM() ? kRemarkFlag : 0));
    putWord(record, 3, encodeDelay(line.DelayEtc()));

    const auto ins = line.ins();
    if (ins->Count() > kConditionCount)
        throw platform::RuntimeError(platform::errSubscript);
    const bool counter = isCounterLine(line);
    int32_t slot = 0;
    for (const auto& condition : *ins) {
        if (condition->Kino() < std::numeric_limits<int16_t>::min() || condition->Kino() > 0xFFFF)
            overflow();
        const int32_t low = counter ? checkedNibble(ins->CounterId()) : checkedState(condition->Jyotai());
        const int32_t at = kConditionsAt + slot++ * kConditionSize;
        putWord(record, at, static_cast<uint16_t>(condition->Kino()));
        record[at + 2] = static_cast<char>(checkedNibble(condition->Rel()) * 16 | low);
    }
    put(table, at, record);
}

bool StepFileWriter::isCounterLine(const clsStepOut& line)
{
    // A line without a first condition (a return line) or whose first
    // condition the input list does not know is an ordinary line.
    const auto ins = line.ins();
    const QString first = QStringLiteral("1");
    if (!ins->Contains(first))
        return false;
    const int32_t kino = ins->Item(first)->Kino();
    if (kino < std::numeric_limits<int16_t>::min() || kino > std::numeric_limits<int16_t>::max())
        return false;
    return seqinp_.CategoryByValue(static_cast<int16_t>(kino)) == QLatin1String("COUNT");
}

void StepFileWriter::PutCountCaption(QByteArray& table)
{
    Ostrel7::trapped(method_, QStringLiteral("PutCountCaption"), [&] {
        const colclsStep::Captions captions = model_.arCountCaption();
        for (size_t i = 0; i < captions.size(); ++i)
            put(table, kCountCaptionAt + int64_t(i) * kCaptionSize,
                platform::cp932::fixedField(platform::Trim(captions[i]), kCaptionSize));
    });
}

void StepFileWriter::PutLcdCaption(QByteArray& table)
{
    Ostrel7::trapped(method_, QStringLiteral("PutLcdCaption"), [&] {
        const colclsStep::Captions captions = model_.arLcdCaption();
        for (size_t i = 0; i < captions.size(); ++i)
            put(table, kLcdCaptionAt + int64_t(i) * kCaptionSize,
                platform::cp932::fixedField(platform::Trim(captions[i]), kCaptionSize));
    });
}

// ---- header ----------------------------------------------------------------

bool StepFileWriter::SaveStepPassword(QByteArray& data)
{
    return Ostrel7::trapped(method_, QStringLiteral("SaveStepPassword"), [&] {
        put(data, 0, QByteArray(kVersionMark));
        // A text that cannot be scrambled fails the save rather than leaving
        // the field with something that reads back as another author or password.
        QByteArray author(kAuthorSize, '\0');
        if (!model_.Author().isEmpty() && (author = EncodeWord(model_.Author(), true)).isEmpty())
            return false;
        QByteArray password(kPasswordSize, '\0');
        if (!model_.Password().isEmpty() && (password = EncodeWord(model_.Password(), false)).isEmpty())
            return false;
        put(data, kAuthorAt, author);
        put(data, kPasswordAt, password);
        return true;
    });
}

QByteArray StepFileWriter::EncodeWord(const QString& text, bool author)
{
    return Ostrel7::trapped(method_, QStringLiteral("EncodeWord"),
                            [&] { return stepscramble::encodeWord(text, author); });
}

// ---- note file -------------------------------------------------------------

bool StepFileWriter::SaveStepRem(QByteArray& note, const QString& sRemFullFname, bool IsNew, int32_t lStarting)
{
    return Ostrel7::trapped(method_, QStringLiteral("SaveStepRem"), [&] {
        if (!IsNew) {
            note = currentNoteFile(sRemFullFname);
            put(note, 0, QByteArray(kTableSize, '\0'));
            return writeNotesTable(note, int64_t{lStarting} - 1, true);
        }
        // The new pair's other tables offer the same functions, without remarks or memo.
        note = QByteArray(kFileSize, '\0');
        for (int32_t table = kFirstTable; table < kTableCount; ++table)
            if (!writeNotesTable(note, int64_t{table} * kTableSize, table == kFirstTable))
                return false;
        return true;
    });
}

bool StepFileWriter::writeNotesTable(QByteArray& note, int64_t tableAt, bool withTexts)
{
    if (withTexts)
        put(note, tableAt, QByteArray(kTableSize, '\0'));
    if (!WriteUsedSelection(note, seqout_, tableAt + kOutListAt) || !WriteUsedSelection(note, seqinp_, tableAt + kInListAt))
        return false;
    return !withTexts || (WriteRemark(note, tableAt + kRemarksAt) && WriteMemo(note, tableAt + kMemoAt));
}

bool StepFileWriter::WriteUsedSelection(QByteArray& note, colclsCusSelection& list, int64_t position)
{
    return Ostrel7::trapped(method_, QStringLiteral("WriteUsedSelection"), [&] {
        // The list has room for 300 codes; only a shorter list carries the end mark.
        QByteArray words;
        for (const auto& entry : list) {
            if (words.size() == kListSize)
                break;
            if (entry->Hidden() || IsJumpCategory(entry->Category()))
                continue;
            putWord(words, words.size(), static_cast<uint16_t>(entry->Value()));
        }
        if (words.size() < kListSize)
            putWord(words, words.size(), kListEnd);
        words.append(kListSize - words.size(), '\0');
        put(note, position, words);
        return true;
    });
}

bool StepFileWriter::IsJumpCategory(const QString& category)
{
    return category == QLatin1String("STEP") || category == QLatin1String("CALL") || category == QLatin1String("JMP");
}

bool StepFileWriter::WriteRemark(QByteArray& note, int64_t position)
{
    return Ostrel7::trapped(method_, QStringLiteral("WriteRemark"), [&] {
        QByteArray remarks(kLineCount * kRemarkSize, '\0');
        for (const auto& line : model_) {
            const QString remark = platform::Trim(line->Remark());
            if (!remark.isEmpty())
                put(remarks, int64_t{rowIndex(*line)} * kRemarkSize, platform::cp932::fixedField(remark, kRemarkSize));
        }
        put(note, position, remarks);
        return true;
    });
}

bool StepFileWriter::WriteMemo(QByteArray& note, int64_t position)
{
    return Ostrel7::trapped(method_, QStringLiteral("WriteMemo"), [&] {
        put(note, position, platform::cp932::fixedField(platform::Trim(model_.Memo()), kMemoSize));
        return true;
    });
}

} // namespace Telva27
