#include "colclsStep.h"

#include "datamodel/reports/StepReport.h"
#include "datamodel/steps/StepFileFormat.h"
#include "datamodel/steps/StepFileReader.h"
#include "datamodel/steps/StepFileWriter.h"
#include "util/method/Trap.h"
#include "util/method/clsMethod.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace Telva27 {

colclsStep::colclsStep() : method_(std::make_unique<Ostrel7::clsMethod>()) {}

colclsStep::~colclsStep() = default;

std::shared_ptr<clsStepOut> colclsStep::Add(int32_t lngrow, int32_t intKino, int32_t eLogic, int32_t lngDelayEtc,
                                            std::shared_ptr<colclsStepIn> ins, const QString& sRemark, bool booNOP,
                                            bool booREM)
{
    return Ostrel7::trapped(*method_, QStringLiteral("Add"), [&] {
        const auto kino = narrowOrOverflow<int16_t>(intKino);
        StepLine* line = addLine(lngrow);
        if (!line)
            throw platform::RuntimeError(platform::errDuplicateKey);
        line->row = lngrow;
        line->kino = kino;
        line->logic = eLogic;
        line->delayEtc = lngDelayEtc;
        line->remark = sRemark;
        line->nop = booNOP;
        line->doesRem = booREM;
        line->ins = std::move(ins);
        return viewOf(order_.back());
    });
}

bool colclsStep::ReadData(const QString& sDataFullFname, const QString& sRemFullFname, int32_t lStarting,
                          colclsCusSelection& seqout, colclsCusSelection& seqinp)
{
    return Ostrel7::trapped(*method_, QStringLiteral("ReadData"), [&] {
        // Read into a table of its own, so that a failed read leaves this one as it was.
        colclsStep read;
        StepFileReader reader(*method_, seqout, seqinp);
        if (!reader.ReadData(sDataFullFname, sRemFullFname, lStarting, read))
            return false;
        adopt(read, reader.noteFileRead());
        reader.showUsedFunctions();
        return true;
    });
}

bool colclsStep::SaveData(const QString& sRealRemFullFname, const QString& sDataFullFname,
                          const QString& sRemFullFname, int32_t lStarting, bool IsNew, colclsCusSelection& seqout,
                          colclsCusSelection& seqinp)
{
    Q_UNUSED(sRealRemFullFname);
    return Ostrel7::trapped(*method_, QStringLiteral("SaveData"), [&] {
        StepFileWriter writer(*method_, *this, seqout, seqinp);
        return writer.SaveData(sDataFullFname, sRemFullFname, lStarting, IsNew);
    });
}

bool colclsStep::PrintToExcel(ENUM_EXCELVERSIONINDEX eExcelVersionIndex, const QString& sExcelFullFname,
                              colclsCusSelection& stpout, colclsCusSelection& stpinp)
{
    return StepReport(*this, stpout, stpinp).PrintToExcel(eExcelVersionIndex, sExcelFullFname);
}

int32_t colclsStep::GetLastRow()
{
    return Ostrel7::trapped(
        *method_, QStringLiteral("GetLastRow"),
        [&] {
            int32_t last = 0;
            for (const int32_t slot : order_)
                if (!lineAt(slot).nop)
                    last = lineAt(slot).row;
            return last;
        },
        int32_t{0});
}

QString colclsStep::NoteFileFor(const QString& sDataFullFname)
{
    const QFileInfo data(sDataFullFname);
    return stepfile::existingCompanion(data.dir().filePath(data.completeBaseName() + QStringLiteral(".BIN")));
}

void colclsStep::adopt(colclsStep& read, bool withMemo)
{
    // Objects handed out for the old lines keep the old records alive.
    rows_ = std::move(read.rows_);
    present_ = read.present_;
    strays_ = std::move(read.strays_);
    order_ = std::move(read.order_);
    views_.clear();
    author_ = read.author_;
    password_ = read.password_;
    countBytes_ = read.countBytes_;
    countCaption_ = read.countCaption_;
    lcdCaption_ = read.lcdCaption_;
    if (withMemo)
        memo_ = read.memo_;
}

// ---- the keyed collection ----------------------------------------------------

std::shared_ptr<clsStepOut> colclsStep::Item(int32_t position) const
{
    if (position < 1 || position > Count())
        throw platform::RuntimeError(platform::errSubscript);
    return viewOf(order_[static_cast<size_t>(position - 1)]);
}

std::shared_ptr<clsStepOut> colclsStep::Item(const QString& key) const
{
    const int32_t slot = slotOfKey(key);
    if (slot < 0)
        throw platform::RuntimeError(platform::errInvalidCall);
    return viewOf(slot);
}

bool colclsStep::Contains(const QString& key) const { return slotOfKey(key) >= 0; }

void colclsStep::Remove(int32_t position)
{
    if (position < 1 || position > Count())
        throw platform::RuntimeError(platform::errSubscript);
    removeAt(static_cast<size_t>(position - 1));
}

void colclsStep::Remove(const QString& key)
{
    const int32_t slot = slotOfKey(key);
    if (slot < 0)
        throw platform::RuntimeError(platform::errInvalidCall);
    removeAt(static_cast<size_t>(std::find(order_.begin(), order_.end(), slot) - order_.begin()));
}

void colclsStep::Clear()
{
    // Objects handed out for the lines keep the old records alive.
    rows_.reset();
    present_ = {};
    strays_.clear();
    order_.clear();
    views_.clear();
}

StepLine* colclsStep::addLine(int32_t row)
{
    if (slotOfRow(row) >= 0)
        return nullptr;
    if (row >= 1 && row <= kRows) {
        if (!rows_) {
            rows_ = std::make_shared<Rows>();
            order_.reserve(kRows);
        }
        const int32_t slot = row - 1;
        present_[static_cast<size_t>(slot)] = true;
        order_.push_back(slot);
        return &(*rows_)[static_cast<size_t>(slot)];
    }
    strays_.push_back({row, std::make_shared<StepLine>()});
    order_.push_back(kRows + static_cast<int32_t>(strays_.size()) - 1);
    return strays_.back().line.get();
}

const StepLine& colclsStep::lineAt(int32_t slot) const
{
    return slot < kRows ? (*rows_)[static_cast<size_t>(slot)] : *strays_[static_cast<size_t>(slot - kRows)].line;
}

int32_t colclsStep::slotOfKey(const QString& key) const
{
    const auto row = numberOfKey(key);
    return row ? slotOfRow(*row) : -1;
}

int32_t colclsStep::slotOfRow(int32_t row) const
{
    if (row >= 1 && row <= kRows)
        return present_[static_cast<size_t>(row - 1)] ? row - 1 : -1;
    for (size_t i = 0; i < strays_.size(); ++i)
        if (strays_[i].line && strays_[i].key == row)
            return kRows + static_cast<int32_t>(i);
    return -1;
}

const std::shared_ptr<clsStepOut>& colclsStep::viewOf(int32_t slot) const
{
    const size_t slotCount = static_cast<size_t>(kRows) + strays_.size();
    if (views_.size() < slotCount)
        views_.resize(slotCount);
    auto& view = views_[static_cast<size_t>(slot)];
    if (!view)
        view = std::make_shared<clsStepOut>(
            slot < kRows ? std::shared_ptr<StepLine>(rows_, &(*rows_)[static_cast<size_t>(slot)])
                         : strays_[static_cast<size_t>(slot - kRows)].line);
    return view;
}

void colclsStep::removeAt(size_t at)
{
    const int32_t slot = order_[at];
    auto* view = static_cast<size_t>(slot) < views_.size() ? &views_[static_cast<size_t>(slot)] : nullptr;
    if (slot < kRows) {
        // The record is cleared for a line added later under the same row; an
        // object handed out for the removed line takes its values along.
        StepLine& record = (*rows_)[static_cast<size_t>(slot)];
        if (view && *view)
            (*view)->line_ = std::make_shared<StepLine>(std::move(record));
        record = StepLine{};
        present_[static_cast<size_t>(slot)] = false;
    } else {
        strays_[static_cast<size_t>(slot - kRows)].line.reset();
    }
    if (view)
        view->reset();
    order_.erase(order_.begin() + static_cast<std::ptrdiff_t>(at));
}

} // namespace Telva27
