#include "colclsFunction.h"

#include "datamodel/common/ModelMessages.h"
#include "datamodel/parameters/ParameterSetFiles.h"
#include "datamodel/parameters/ParameterTableFile.h"
#include "datamodel/reports/ParameterReport.h"
#include "util/method/Trap.h"
#include "util/method/clsMethod.h"

namespace Telva27 {

colclsFunction::colclsFunction() : method_(std::make_unique<Ostrel7::clsMethod>()) {}

colclsFunction::~colclsFunction() = default;

std::shared_ptr<clsFunction> colclsFunction::Add(const QString& sFunctionName, const QString& sTOPKMK)
{
    auto group = std::make_shared<clsFunction>();
    group->setFunctionName(sFunctionName);
    group->setTOPKMK(sTOPKMK);
    KeyedCollection::Add(group, sFunctionName);
    return group;
}

QString colclsFunction::GetKinoNoByDigital(const QString& sFunctionName, const QString& sDigital)
{
    return Ostrel7::trapped(*method_, QStringLiteral("GetKinoNoByDigital"), [&] {
        for (const auto& group : *this) {
            if (group->FunctionName() != sFunctionName)
                continue;
            for (const auto& digital : *group->Items())
                if (digital->Digital() == sDigital)
                    return digital->KinoNO();
        }
        return QString();
    });
}

int32_t colclsFunction::AllDititalCount()
{
    return Ostrel7::trapped(*method_, QStringLiteral("AllDititalCount"), [&] {
        int32_t count = 0;
        for (const auto& group : *this)
            count += group->Items()->Count();
        return count;
    });
}

int32_t colclsFunction::SpecialDigitalCount()
{
    return Ostrel7::trapped(*method_, QStringLiteral("SpecialDigitalCount"), [&] {
        int32_t count = 0;
        for (const auto& group : *this)
            if (group->isSpecial())
                count += group->Items()->Count();
        return count;
    });
}

int32_t colclsFunction::DifDititalCount()
{
    return Ostrel7::trapped(*method_, QStringLiteral("DifDititalCount"), [&] {
        int32_t count = 0;
        forEachDigital([&](const clsDigital& d) { count += d.StdValue() != d.UserValue() ? 1 : 0; });
        return count;
    });
}

bool colclsFunction::DoesSpecialKinoNo(const QString& sKinoNo) const
{
    return sKinoNo == QLatin1String("KAKUDO_SET") || sKinoNo == QLatin1String("TIME_SET");
}

std::shared_ptr<clsDigital> colclsFunction::findDigital(const QString& sDigital, std::shared_ptr<clsFunction>* group)
{
    for (const auto& g : *this) {
        for (const auto& digital : *g->Items()) {
            if (digital->Digital() == sDigital) {
                if (group)
                    *group = g;
                return digital;
            }
        }
    }
    showModelMessage(QStringLiteral("Error:Values in set10.e must be included in oFunc.items!"));
    return nullptr;
}

bool colclsFunction::Delete_Digital(const QString& sDigital)
{
    return Ostrel7::trapped(*method_, QStringLiteral("Delete_Digital"), [&] {
        std::shared_ptr<clsFunction> group;
        if (!findDigital(sDigital, &group))
            return false;
        group->Items()->Remove(sDigital);
        return true;
    });
}

bool colclsFunction::Update_AllowEdit(const QString& sDigital, bool allow)
{
    return Ostrel7::trapped(*method_, QStringLiteral("Update_AllowEdit"), [&] {
        const auto digital = findDigital(sDigital, nullptr);
        if (!digital)
            return false;
        digital->setAllowEdit(allow);
        return true;
    });
}

bool colclsFunction::ReadSet01e() { return ParameterSetFiles(*this).ReadSet01e(); }
bool colclsFunction::ReadSet02e() { return ParameterSetFiles(*this).ReadSet02e(); }
bool colclsFunction::ReadSet03e() { return ParameterSetFiles(*this).ReadSet03e(); }
bool colclsFunction::ReadSet10e() { return ParameterSetFiles(*this).ReadSet10e(); }

void colclsFunction::ReadSEK(const QString& sSEKFullFname) { ParameterTableFile(*this).ReadSEK(sSEKFullFname); }

bool colclsFunction::ReadData(ENUM_USRSTD eSTDUSR, const QString& sTempFullFname, int32_t lStarting,
                              const QString& sSEKFullFname)
{
    return ParameterTableFile(*this).ReadData(eSTDUSR, sTempFullFname, lStarting, sSEKFullFname);
}

bool colclsFunction::SaveData(ENUM_ETBSTG eCrntETBSTG, const QString& sNewUserFullFname, int32_t lStart,
                              ENUM_ETBSTG eNewETBSTG, const QString& sCrntUserFullFname)
{
    return ParameterTableFile(*this).SaveData(eCrntETBSTG, sNewUserFullFname, lStart, eNewETBSTG,
                                              sCrntUserFullFname);
}

bool colclsFunction::PrintToExcel(ENUM_EXCELVERSIONINDEX eExcelVersionIndex, const QString& sExcelFullFname,
                                  const QSet<QString>& dicTOPKMK, bool booOnlyDif)
{
    ReportFrame frame(*method_, Doing);
    ParameterReport report(frame, *this);
    return frame.run(
        eExcelVersionIndex, sExcelFullFname,
        [&](platform::workbook::Application&, platform::workbook::Worksheet& sheet) {
            report.PrintExcelRows(sheet, dicTOPKMK, booOnlyDif);
        },
        [&](platform::workbook::Application& app, platform::workbook::Worksheet& sheet) {
            report.ArrangeFace(app, sheet);
        });
}

} // namespace Telva27
