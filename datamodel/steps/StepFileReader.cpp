#include "StepFileReader.h"

#include "datamodel/customize/colclsCusSelection.h"
#include "datamodel/steps/StepFileFormat.h"
#include "datamodel/steps/StepWordScramble.h"
#include "datamodel/steps/colclsStep.h"
#include "platform/Cp932.h"
#include "util/method/Trap.h"

#include <QFileInfo>

namespace Telva27 {

using namespace stepfile;

namespace {

colclsStep::Captions captionsAt(const QByteArray& table, int32_t offset)
{
    colclsStep::Captions captions;
    for (size_t i = 0; i < captions.size(); ++i)
        captions[i] = platform::cp932::decodeField(slice(table, offset + int64_t(i) * kCaptionSize, kCaptionSize));
    return captions;
}

} // namespace

bool StepFileReader::ReadData(const QString& sDataFullFname, const QString& sRemFullFname, int32_t lStarting,
                              colclsStep& into)
{
    if (!isStepTableStart(lStarting))
        throw platform::RuntimeError(platform::errBadRecordNumber);
    refuseOwnNoteFile(sDataFullFname, sRemFullFname);
    const QByteArray data = readStepFile(sDataFullFname);
    const QByteArray table = slice(data, lStarting - 1, kTableSize);
    if (!ReadDataFile(table, into))
        return false;

    const QByteArray header = slice(data, 0, kTableSize);
    into.setAuthor(DecodeWord(header, true));
    into.setPassword(DecodeWord(header, false));
    colclsStep::CountBytes countBytes;
    for (size_t i = 0; i < countBytes.size(); ++i)
        countBytes[i] = byteAt(table, kCountBytesAt + int64_t(i));
    into.setArCountBytes(countBytes);
    if (!ReadCountCaption(table, into) || !ReadLcdCaption(table, into))
        return false;

    // A step file without notes is complete: remarks stay empty, memo and lists
    // as they were. Anything else of the note file's name must be a note file
    // that can be read.
    const QString notePath = existingCompanion(sRemFullFname);
    noteFileRead_ = QFileInfo::exists(notePath);
    if (!noteFileRead_)
        return true;
    return readNotes(slice(readStepFile(notePath), lStarting - 1, kTableSize), into);
}

bool StepFileReader::readNotes(const QByteArray& note, colclsStep& into)
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
        for (const QString& key : *shown)
            list->Item(key)->setHidden(false);
    }
}

bool StepFileReader::ReadDataFile(const QByteArray& table, colclsStep& into)
{
    return Ostrel7::trapped(method_, QStringLiteral("ReadDataFile"), [&] {
        const int16_t returnCode = seqout_.ValueByDigital(QStringLiteral("RET"));
        for (int32_t row = 1; row <= kLineCount; ++row) {
            const QByteArray record = slice(table, int64_t(row - 1) * kLineSize, kLineSize);
            const auto kino = static_cast<int16_t>(wordAt(record, 0));
            const uint8_t flags = byteAt(record, 2);
            const uint16_t delayWord = wordAt(record, 3);
            const bool isNull = DoesNOP(flags);

            // A return line has no conditions; its condition bytes are not read.
            std::shared_ptr<colclsStepIn> ins;
            if (!isNull && kino == returnCode)
                ins = std::make_shared<colclsStepIn>();
            else if (!(ins = GetInputCols(record, isNull)))
                return false;

            const bool added =
                isNull ? into.Add(row, 0, 0, 0, ins, QString(), true, false) != nullptr
                       : into.Add(row, kino, flags & 0x0F, decodeDelay(delayWord, isPulseOutput(kino)), ins,
                                  QString(), false, (flags & 0xF0) == kRemarkFlag) != nullptr;
            if (!added)
                return false;
        }
        return true;
    });
}

bool StepFileReader::isPulseOutput(int16_t kino)
{
    const QString key = QString::number(kino);
    if (!seqout_.dicValue().contains(key))
        return false;
    const QString name = seqout_.Item(key)->Ditigal();
    return name == QLatin1String("X_PLS") || name == QLatin1String("Y_PLS");
}

bool StepFileReader::DoesNOP(uint8_t flags)
{
    return Ostrel7::trapped(method_, QStringLiteral("DoesNOP"), [&] { return (flags & kNullFlags) == kNullFlags; });
}

std::shared_ptr<colclsStepIn> StepFileReader::GetInputCols(const QByteArray& record, bool isNull)
{
    return Ostrel7::trapped(method_, QStringLiteral("GetInputCols"), [&] {
        auto ins = std::make_shared<colclsStepIn>();
        ins->Reserve(kConditionCount);
        // A line whose first condition is a counter carries its counter form
        // in the low nibble of every condition instead of the states.
        const auto firstKino = static_cast<int16_t>(wordAt(record, kConditionsAt));
        if (seqinp_.CategoryByValue(firstKino) == QLatin1String("COUNT"))
            ins->setCounterId(byteAt(record, kConditionsAt + 2) & 0x0F);
        for (int32_t block = 1; block <= kConditionCount; ++block) {
            const int32_t at = kConditionsAt + (block - 1) * kConditionSize;
            if (isNull) {
                ins->Add(block, 0, 0, 0);
                continue;
            }
            const uint8_t b = byteAt(record, at + 2);
            ins->Add(block, static_cast<int16_t>(wordAt(record, at)), b & 3, b / 16);
        }
        return ins;
    });
}

bool StepFileReader::ReadCountCaption(const QByteArray& table, colclsStep& into)
{
    return Ostrel7::trapped(method_, QStringLiteral("ReadCountCaption"), [&] {
        into.setArCountCaption(captionsAt(table, kCountCaptionAt));
        return true;
    });
}

bool StepFileReader::ReadLcdCaption(const QByteArray& table, colclsStep& into)
{
    return Ostrel7::trapped(method_, QStringLiteral("ReadLcdCaption"), [&] {
        into.setArLcdCaption(captionsAt(table, kLcdCaptionAt));
        return true;
    });
}

QString StepFileReader::DecodeWord(const QByteArray& header, bool author)
{
    return Ostrel7::trapped(method_, QStringLiteral("DecodeWord"), [&] {
        const QByteArray field = author ? slice(header, kAuthorAt, kAuthorSize) : slice(header, kPasswordAt, kPasswordSize);
        return stepscramble::decodeWord(field, author);
    });
}

bool StepFileReader::ReadSelFile(const QByteArray& note, int32_t position, colclsCusSelection& list,
                                 QSet<QString>& shown)
{
    return Ostrel7::trapped(method_, QStringLiteral("ReadSelFile"), [&] {
        shown.clear();
        for (int32_t i = 0; i < kListEntries; ++i) {
            const uint16_t word = wordAt(note, position + int64_t(i) * 2);
            if (word == kListEnd)
                break;
            const QString key = QString::number(static_cast<int16_t>(word));
            if (list.dicValue().contains(key))
                shown.insert(key);
        }
        return true;
    });
}

bool StepFileReader::ReadRemFile(const QByteArray& note, colclsStep& into)
{
    return Ostrel7::trapped(method_, QStringLiteral("ReadRemFile"), [&] {
        for (int32_t row = 1; row <= kLineCount; ++row) {
            const QByteArray field = slice(note, kRemarksAt + int64_t(row - 1) * kRemarkSize, kRemarkSize);
            into.Item(row)->setRemark(platform::cp932::decodeField(field));
        }
        return true;
    });
}

bool StepFileReader::ReadMemoFile(const QByteArray& note, colclsStep& into)
{
    return Ostrel7::trapped(method_, QStringLiteral("ReadMemoFile"), [&] {
        into.setMemo(platform::cp932::decodeField(slice(note, kMemoAt, kMemoSize)));
        return true;
    });
}

} // namespace Telva27
