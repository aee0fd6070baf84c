#include "StepFileWriter.h"

#include "datamodel/customize/colclsCusSelection.h"
#include "datamodel/steps/StepFileFormat.h"
#include "datamodel/steps/StepWordScramble.h"
#include "datamodel/steps/colclsStep.h"
#include "platform/AtomicFile.h"
#include "platform/Clock.h"
#include "platform/Cp932.h"
#include "platform/Trim.h"
#include "util/method/Trap.h"

#include <QFileInfo>
#include <array>
#include <cstring>
#include <limits>

namespace Telva27 {

using namespace stepfile;

namespace {

constexpr int32_t kFirstTable = 1;

// The record of a null line, and a table of null lines.
constexpr std::array<char, kLineSize> kNullRecord = {0, 0, static_cast<char>(kNullFlags)};

const std::array<char, kTableSize>& nullTable()
{
    static const std::array<char, kTableSize> table = [] {
        std::array<char, kTableSize> t{};
        for (int32_t row = 0; row < kLineCount; ++row)
            std::memcpy(t.data() + row * kLineSize, kNullRecord.data(), kLineSize);
        return t;
    }();
    return table;
}

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

// A line's row as a record index; rows outside the table would land in
// another line's record or in the counters.
int32_t rowIndex(int32_t row)
{
    if (row < 1 || row > kLineCount)
        throw platform::RuntimeError(platform::errSubscript);
    return row - 1;
}

// The text without leading and trailing blanks; shared, not copied, when it has none.
QString trimmed(const QString& text)
{
    const bool blankAtAnEnd = !text.isEmpty() && (text.front() == u' ' || text.back() == u' ');
    return blankAtAnEnd ? platform::Trim(text) : text;
}

// A text into its zero-filled field, cut where a character ends; an empty
// text leaves the zeros.
void putText(char* field, const QString& text, int32_t size)
{
    if (!text.isEmpty())
        std::memcpy(field, platform::cp932::fixedField(text, size).constData(), static_cast<size_t>(size));
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
        throw platform::RuntimeError(platform::errBadRecordLength);
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
    const QString notePath = existingCompanion(sRemFullFname);
    refuseOwnNoteFile(sDataFullFname, notePath);

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
            return WriteOneStep(data.data() + lStarting - 1);
        }
        data = QByteArray(kFileSize, Qt::Uninitialized);
        for (int32_t table = 0; table < kTableCount; ++table)
            if (table != kFirstTable)
                WriteNullBlock(data.data() + int64_t{table} * kTableSize);
        return WriteOneStep(data.data() + int64_t{kFirstTable} * kTableSize);
    });
}

void StepFileWriter::WriteNullBlock(char* table) { std::memcpy(table, nullTable().data(), kTableSize); }

void StepFileWriter::WriteNullLine(char* record) { std::memcpy(record, kNullRecord.data(), kLineSize); }

bool StepFileWriter::WriteOneStep(char* table)
{
    return Ostrel7::trapped(method_, QStringLiteral("WriteOneStep"), [&] {
        // The whole table is made anew: the lines in collection order, each
        // at its row; a row no line holds is a null line.
        std::array<bool, kLineCount> held{};
        for (const int32_t slot : model_.order_) {
            const StepLine& line = model_.lineAt(slot);
            const int32_t index = rowIndex(line.row);
            writeLine(table + int64_t{index} * kLineSize, line);
            held[static_cast<size_t>(index)] = true;
        }
        for (int32_t index = 0; index < kLineCount; ++index)
            if (!held[static_cast<size_t>(index)])
                WriteNullLine(table + int64_t{index} * kLineSize);

        std::memset(table + kCountBytesAt, 0, kTableSize - kCountBytesAt);
        const colclsStep::CountBytes countBytes = model_.arCountBytes();
        std::memcpy(table + kCountBytesAt, countBytes.data(), countBytes.size());
        PutCountCaption(table);
        PutLcdCaption(table);
        return true;
    });
}

void StepFileWriter::writeLine(char* record, const StepLine& line)
{
    if (line.nop) {
        WriteNullLine(record);
        return;
    }
    // Every field must fit its bits: a logic above 15 would turn into the
    // remark or null mark, a relation above 15 would spill out of its byte.
    std::memset(record, 0, kLineSize);
    putWord(record, static_cast<uint16_t>(line.kino));
    record[2] = static_cast<char>(checkedNibble(line.logic) | (line.doesRem ? kRemarkFlag : 0));
    putWord(record + 3, encodeDelay(line.delayEtc));

    // A line given a condition list (or that handed one out) has them there.
    StepConditions listed;
    if (line.ins && !line.ins->copyTo(listed))
        throw platform::RuntimeError(platform::errSubscript);
    const StepConditions& conditions = line.ins ? listed : line.conditions;
    const bool counter = isCounterLine(conditions);
    for (int32_t slot = 0; slot < conditions.count; ++slot) {
        const StepCondition& condition = conditions.items[static_cast<size_t>(slot)];
        if (condition.kino < std::numeric_limits<int16_t>::min() || condition.kino > 0xFFFF)
            overflow();
        const int32_t low = counter ? checkedNibble(conditions.counterId) : checkedState(condition.jyotai);
        char* at = record + kConditionsAt + slot * kConditionSize;
        putWord(at, static_cast<uint16_t>(condition.kino));
        at[2] = static_cast<char>(checkedNibble(condition.rel) * 16 | low);
    }
}

bool StepFileWriter::isCounterLine(const StepConditions& conditions)
{
    // A line without a first condition (a return line) or whose first
    // condition the input list does not know is an ordinary line.
    for (int32_t slot = 0; slot < conditions.count; ++slot) {
        const StepCondition& condition = conditions.items[static_cast<size_t>(slot)];
        if (condition.block != 1)
            continue;
        if (condition.kino < std::numeric_limits<int16_t>::min() || condition.kino > std::numeric_limits<int16_t>::max())
            return false;
        const clsCusSelection* entry = seqinp_.entryByValue(static_cast<int16_t>(condition.kino));
        return entry && entry->Category() == QLatin1String("COUNT");
    }
    return false;
}

void StepFileWriter::PutCountCaption(char* table)
{
    Ostrel7::trapped(method_, QStringLiteral("PutCountCaption"), [&] {
        const colclsStep::Captions& captions = model_.countCaption_;
        for (size_t i = 0; i < captions.size(); ++i)
            putText(table + kCountCaptionAt + int64_t(i) * kCaptionSize, trimmed(captions[i]), kCaptionSize);
    });
}

void StepFileWriter::PutLcdCaption(char* table)
{
    Ostrel7::trapped(method_, QStringLiteral("PutLcdCaption"), [&] {
        const colclsStep::Captions& captions = model_.lcdCaption_;
        for (size_t i = 0; i < captions.size(); ++i)
            putText(table + kLcdCaptionAt + int64_t(i) * kCaptionSize, trimmed(captions[i]), kCaptionSize);
    });
}

// ---- header ----------------------------------------------------------------

bool StepFileWriter::SaveStepPassword(QByteArray& data)
{
    return Ostrel7::trapped(method_, QStringLiteral("SaveStepPassword"), [&] {
        std::memcpy(data.data(), kVersionMark, sizeof kVersionMark - 1);
        // Both fields are keyed by the same moment. A text that cannot be
        // scrambled fails the save rather than leaving the field with
        // something that reads back as another author or password.
        QByteArray author(kAuthorSize, '\0');
        QByteArray password(kPasswordSize, '\0');
        if (!model_.Author().isEmpty() || !model_.Password().isEmpty()) {
            const stepscramble::Stamp stamp = stepscramble::stampOf(platform::now());
            if (!model_.Author().isEmpty() && (author = EncodeWord(model_.Author(), true, stamp)).isEmpty())
                return false;
            if (!model_.Password().isEmpty() && (password = EncodeWord(model_.Password(), false, stamp)).isEmpty())
                return false;
        }
        std::memcpy(data.data() + kAuthorAt, author.constData(), kAuthorSize);
        std::memcpy(data.data() + kPasswordAt, password.constData(), kPasswordSize);
        return true;
    });
}

QByteArray StepFileWriter::EncodeWord(const QString& text, bool author, const stepscramble::Stamp& stamp)
{
    return Ostrel7::trapped(method_, QStringLiteral("EncodeWord"),
                            [&] { return stepscramble::encodeWord(text, author, stamp); });
}

// ---- note file -------------------------------------------------------------

bool StepFileWriter::SaveStepRem(QByteArray& note, const QString& sRemFullFname, bool IsNew, int32_t lStarting)
{
    return Ostrel7::trapped(method_, QStringLiteral("SaveStepRem"), [&] {
        if (!IsNew) {
            note = currentNoteFile(sRemFullFname);
            std::memset(note.data(), 0, kTableSize);
            return writeNotesTable(note.data() + lStarting - 1, true);
        }
        // The new pair's other tables offer the same functions, without remarks or memo.
        note = QByteArray(kFileSize, '\0');
        for (int32_t table = kFirstTable; table < kTableCount; ++table)
            if (!writeNotesTable(note.data() + int64_t{table} * kTableSize, table == kFirstTable))
                return false;
        return true;
    });
}

bool StepFileWriter::writeNotesTable(char* table, bool withTexts)
{
    if (withTexts)
        std::memset(table, 0, kTableSize);
    if (!WriteUsedSelection(table + kOutListAt, seqout_) || !WriteUsedSelection(table + kInListAt, seqinp_))
        return false;
    return !withTexts || (WriteRemark(table + kRemarksAt) && WriteMemo(table + kMemoAt));
}

bool StepFileWriter::WriteUsedSelection(char* list, colclsCusSelection& functions)
{
    return Ostrel7::trapped(method_, QStringLiteral("WriteUsedSelection"), [&] {
        // The list has room for 300 codes; only a shorter list carries the end mark.
        std::memset(list, 0, kListSize);
        int32_t count = 0;
        for (const auto& entry : functions) {
            if (count == kListEntries)
                break;
            if (entry->Hidden() || IsJumpCategory(entry->Category()))
                continue;
            putWord(list + 2 * count++, static_cast<uint16_t>(entry->Value()));
        }
        if (count < kListEntries)
            putWord(list + 2 * count, kListEnd);
        return true;
    });
}

bool StepFileWriter::IsJumpCategory(const QString& category)
{
    return category == QLatin1String("STEP") || category == QLatin1String("CALL") || category == QLatin1String("JMP");
}

bool StepFileWriter::WriteRemark(char* remarks)
{
    return Ostrel7::trapped(method_, QStringLiteral("WriteRemark"), [&] {
        std::memset(remarks, 0, kLineCount * kRemarkSize);
        for (const int32_t slot : model_.order_) {
            const StepLine& line = model_.lineAt(slot);
            const QString remark = trimmed(line.remark);
            if (!remark.isEmpty())
                putText(remarks + int64_t{rowIndex(line.row)} * kRemarkSize, remark, kRemarkSize);
        }
        return true;
    });
}

bool StepFileWriter::WriteMemo(char* memo)
{
    return Ostrel7::trapped(method_, QStringLiteral("WriteMemo"), [&] {
        std::memset(memo, 0, kMemoSize);
        putText(memo, trimmed(model_.Memo()), kMemoSize);
        return true;
    });
}

} // namespace Telva27
