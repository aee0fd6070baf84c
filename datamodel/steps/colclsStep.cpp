#include "colclsStep.h"

#include "datamodel/reports/StepReport.h"
#include "datamodel/steps/StepFileFormat.h"
#include "datamodel/steps/StepFileReader.h"
#include "datamodel/steps/StepFileWriter.h"
#include "util/method/Trap.h"
#include "util/method/clsMethod.h"

#include <QDir>
#include <QFileInfo>
#include <limits>

namespace Telva27 {

colclsStep::colclsStep() : method_(std::make_unique<Ostrel7::clsMethod>()) {}

colclsStep::~colclsStep() = default;

std::shared_ptr<clsStepOut> colclsStep::Add(int32_t lngrow, int32_t intKino, int32_t eLogic, int32_t lngDelayEtc,
                                            std::shared_ptr<colclsStepIn> ins, const QString& sRemark, bool booNOP,
                                            bool booREM)
{
    return Ostrel7::trapped(*method_, QStringLiteral("Add"), [&] {
        if (intKino < std::numeric_limits<int16_t>::min() || intKino > std::numeric_limits<int16_t>::max())
            throw platform::RuntimeError(platform::errOverflow);
        auto line = std::make_shared<clsStepOut>();
        line->setRow(lngrow);
        line->setKino(static_cast<int16_t>(intKino));
        line->setLogic(eLogic);
        line->setDelayEtc(lngDelayEtc);
        line->setRemark(sRemark);
        line->setNOP(booNOP);
        line->setDoesREM(booREM);
        line->setIns(std::move(ins));
        KeyedCollection::Add(line, QString::number(lngrow));
        return line;
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
            for (const auto& line : *this)
                if (!line->NOP())
                    last = line->Row();
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
    static_cast<KeyedCollection<clsStepOut>&>(*this) = std::move(static_cast<KeyedCollection<clsStepOut>&>(read));
    author_ = read.author_;
    password_ = read.password_;
    countBytes_ = read.countBytes_;
    countCaption_ = read.countCaption_;
    lcdCaption_ = read.lcdCaption_;
    if (withMemo)
        memo_ = read.memo_;
}

} // namespace Telva27
