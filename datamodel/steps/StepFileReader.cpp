#include "StepFileReader.h"

#include "datamodel/customize/colclsCusSelection.h"
#include "datamodel/steps/StepFileFormat.h"
#include "datamodel/steps/StepWordScramble.h"
#include "datamodel/steps/colclsStep.h"
#include "platform/Cp932.h"
#include "util/method/Trap.h"

#include <QFileInfo>
#include <array>

namespace Telva27 {

using namespace stepfile;

namespace {

// The author and the password end the header, one after the other.
constexpr int32_t kHeaderFieldsAt = kAuthorAt;
constexpr int32_t kHeaderFieldsSize = kAuthorSize + kPasswordSize;
static_assert(kAuthorAt + kAuthorSize == kPasswordAt && kPasswordAt + kPasswordSize == kTableSize);

// The text of a zero-padded field; most fields are empty.
QString textField(const char* field, int32_t size)
{
    return field[0] == '\0' ? QString() : platform::cp932::decodeField(QByteArrayView(field, size));
}

colclsStep::Captions captionsAt(const char* table, int32_t offset)
{
    colclsStep::Captions captions;
    for (size_t i = 0; i < captions.size(); ++i)
        captions[i] = textField(table + offset + int64_t(i) * kCaptionSize, kCaptionSize);
    return captions;
}

} // namespace

bool StepFileReader::ReadData(const QString& sDataFullFname, const QString& sRemFullFname, int32_t lStarting,
                              colclsStep& into)
{
    if (!isStepTableStart(lStarting))
        throw platform::RuntimeError(platform::errBadRecordNumber);
    const QString notePath = existingCompanion(sRemFullFname);
    refuseOwnNoteFile(sDataFullFname, notePath);
    std::array<char, kHeaderFieldsSize> header;
    std::array<char, kTableSize> table;
    readStepFileParts(sDataFullFname,
                      {{kHeaderFieldsAt, header.data(), kHeaderFieldsSize}, {lStarting - 1, table.data(), kTableSize}});
    if (!ReadDataFile(table.data(), into))
        return false;

    into.setAuthor(DecodeWord(header.data(), true));
    into.setPassword(DecodeWord(header.data() + kAuthorSize, false));
    colclsStep::CountBytes countBytes;
    for (size_t i = 0; i < countBytes.size(); ++i)
        countBytes[i] = static_cast<uint8_t>(table[kCountBytesAt + i]);
    into.setArCountBytes(countBytes);
    if (!ReadCountCaption(table.data(), into) || !ReadLcdCaption(table.data(), into))
        return false;

    // A step file without notes is complete: remarks stay empty, memo and lists
    // as they were. Anything else of the note file's name must be a note file
    // that can be read.
    noteFileRead_ = QFileInfo::exists(notePath);
    if (!noteFileRead_)
        return true;
    std::array<char, kTableSize> note;
    readStepFileParts(notePath, {{lStarting - 1, note.data(), kTableSize}});
    return readNotes(note.data(), into);
}

bool StepFileReader::readNotes(const char* note, colclsStep& into)
{
    return ReadSelFile(note, kOutListAt, seqout_, shownOut_) && ReadSelFile(note, kInListAt, seqinp_, shownIn_)
           && ReadRemFile(note, into) && ReadMemoFile(note, into);
}

void StepFileReader::showUsedFunctions()
{
    if (!noteFileRead_)
        return;
    for (auto [list, shown] : {std::pair{&seqout_, &shownOut_}, std::pair{&seqinp_, &shownIn_}}) {
        list->SwitchHidden(true);
        for (clsCusSelection* entry : *shown)
            entry->setHidden(false);
    }
}

bool StepFileReader::ReadDataFile(const char* table, colclsStep& into)
{
    return Ostrel7::trapped(method_, QStringLiteral("ReadDataFile"), [&] {
        const int16_t returnCode = seqout_.ValueByDigital(QStringLiteral("RET"));
        for (int32_t row = 1; row <= kLineCount; ++row) {
            const char* record = table + int64_t(row - 1) * kLineSize;
            const auto kino = static_cast<int16_t>(wordAt(record));
            const auto flags = static_cast<uint8_t>(record[2]);
            const bool isNull = DoesNOP(flags);

            StepLine* line = into.addLine(row);
            if (!line)
                throw platform::RuntimeError(platform::errInvalidCall);
            line->row = row;
            line->nop = isNull;
            if (!isNull) {
                line->kino = kino;
                line->logic = flags & 0x0F;
                line->delayEtc = decodeDelay(wordAt(record + 3), isPulseOutput(kino));
                line->doesRem = (flags & 0xF0) == kRemarkFlag;
            }
            // A return line has no conditions; its condition bytes are not read.
            if (isNull || kino != returnCode)
                GetInputCols(record, isNull, line->conditions);
        }
        return true;
    });
}

bool StepFileReader::isPulseOutput(int16_t kino) const
{
    const clsCusSelection* entry = seqout_.entryByValue(kino);
    return entry && Telva27::isPulseOutput(entry->Ditigal());
}

bool StepFileReader::DoesNOP(uint8_t flags) { return (flags & kNullFlags) == kNullFlags; }

void StepFileReader::GetInputCols(const char* record, bool isNull, StepConditions& into)
{
    // A line whose first condition is a counter carries its counter form
    // in the low nibble of every condition instead of the states.
    const clsCusSelection* first = seqinp_.entryByValue(static_cast<int16_t>(wordAt(record + kConditionsAt)));
    if (first && first->Category() == QLatin1String("COUNT"))
        into.counterId = static_cast<uint8_t>(record[kConditionsAt + 2]) & 0x0F;
    into.count = kConditionCount;
    for (int32_t block = 1; block <= kConditionCount; ++block) {
        StepCondition& condition = into.items[static_cast<size_t>(block - 1)];
        condition.block = block;
        if (isNull)
            continue; // a null line's conditions are all zero
        const char* at = record + kConditionsAt + (block - 1) * kConditionSize;
        const auto b = static_cast<uint8_t>(at[2]);
        condition.kino = static_cast<int16_t>(wordAt(at));
        condition.jyotai = b & 3;
        condition.rel = b / 16;
    }
}

bool StepFileReader::ReadCountCaption(const char* table, colclsStep& into)
{
    return Ostrel7::trapped(method_, QStringLiteral("ReadCountCaption"), [&] {
        into.setArCountCaption(captionsAt(table, kCountCaptionAt));
        return true;
    });
}

bool StepFileReader::ReadLcdCaption(const char* table, colclsStep& into)
{
    return Ostrel7::trapped(method_, QStringLiteral("ReadLcdCaption"), [&] {
        into.setArLcdCaption(captionsAt(table, kLcdCaptionAt));
        return true;
    });
}

QString StepFileReader::DecodeWord(const char* field, bool author)
{
    return Ostrel7::trapped(method_, QStringLiteral("DecodeWord"), [&] {
        return stepscramble::decodeWord(QByteArray::fromRawData(field, author ? kAuthorSize : kPasswordSize), author);
    });
}

bool StepFileReader::ReadSelFile(const char* note, int32_t position, colclsCusSelection& list,
                                 std::vector<clsCusSelection*>& shown)
{
    return Ostrel7::trapped(method_, QStringLiteral("ReadSelFile"), [&] {
        shown.clear();
        for (int32_t i = 0; i < kListEntries; ++i) {
            const uint16_t word = wordAt(note + position + int64_t(i) * 2);
            if (word == kListEnd)
                break;
            if (clsCusSelection* entry = list.entryByValue(static_cast<int16_t>(word)))
                shown.push_back(entry);
        }
        return true;
    });
}

bool StepFileReader::ReadRemFile(const char* note, colclsStep& into)
{
    return Ostrel7::trapped(method_, QStringLiteral("ReadRemFile"), [&] {
        for (int32_t row = 1; row <= kLineCount; ++row)
            into.lineAt(row - 1).remark = textField(note + kRemarksAt + int64_t(row - 1) * kRemarkSize, kRemarkSize);
        return true;
    });
}

bool StepFileReader::ReadMemoFile(const char* note, colclsStep& into)
{
    return Ostrel7::trapped(method_, QStringLiteral("ReadMemoFile"), [&] {
        into.setMemo(textField(note + kMemoAt, kMemoSize));
        return true;
    });
}

} // namespace Telva27
