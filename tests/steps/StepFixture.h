#pragma once
// A temporary folder with a step file pair, and small step output and input
// function lists of our own.

#include "datamodel/customize/colclsCusSelection.h"
#include "datamodel/steps/colclsStep.h"

#include "ScriptedUi.h"
#include "TestFiles.h"
#include "platform/Clock.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace steptest {

using namespace Telva27;
using testsupport::readFile;
using testsupport::writeFile;

constexpr int32_t kTable1 = 8193;
constexpr int32_t kTable3 = 3 * 8192 + 1;

// Output codes.
constexpr int16_t kYOn = 5, kXPls = 20, kYPls = 21, kRet = 99;
// Input codes.
constexpr int16_t kX01 = 1, kX02 = 2, kCnt1 = 40;

class StepFileFixture : public testing::Test {
protected:
    void SetUp() override
    {
        platform::setClockForTesting([] { return QDateTime(QDate(2024, 3, 15), QTime(12, 34, 56)); });
        for (auto [name, code, category] : {std::tuple{"Y_ON", kYOn, "OUT"}, {"X_PLS", kXPls, "OUT"},
                                            {"Y_PLS", kYPls, "OUT"}, {"RET", kRet, "OUT"},
                                            {"S001", int16_t{300}, "STEP"}, {"CALL1", int16_t{301}, "CALL"},
                                            {"J1", int16_t{302}, "JMP"}})
            seqout.Add(name, code, "", category);
        for (auto [name, code, category] :
             {std::tuple{"X01", kX01, "IN"}, {"X02", kX02, "IN"}, {"CNT1", kCnt1, "COUNT"}})
            seqinp.Add(name, code, "", category);
        seqout.SwitchHidden(false);
        seqinp.SwitchHidden(false);
    }

    QString path(const QString& name) const { return dir.filePath(name); }
    QString stp() const { return path("P.stp"); }
    QString bin() const { return path("P.BIN"); }

    static uint16_t word(const QByteArray& b, qsizetype at)
    {
        return static_cast<uint16_t>(static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8);
    }
    static uint8_t byte(const QByteArray& b, qsizetype at) { return static_cast<uint8_t>(b[at]); }

    // A line of eight conditions as the step editor builds it; the given ones first.
    static std::shared_ptr<colclsStepIn> conditions(std::initializer_list<std::tuple<int32_t, int, int>> given,
                                                    int32_t counterId = -1)
    {
        auto ins = std::make_shared<colclsStepIn>();
        int32_t block = 0;
        for (const auto& [kino, jyotai, rel] : given)
            ins->Add(++block, kino, jyotai, rel);
        while (block < 8)
            ins->Add(++block, 0, 0, 0);
        ins->setCounterId(counterId);
        return ins;
    }

    bool saveNew(colclsStep& table) { return table.SaveData(bin(), stp(), bin(), kTable1, true, seqout, seqinp); }
    bool save(colclsStep& table, int32_t at) { return table.SaveData(bin(), stp(), bin(), at, false, seqout, seqinp); }
    bool read(colclsStep& table, int32_t at = kTable1) { return table.ReadData(stp(), bin(), at, seqout, seqinp); }

    // Each scripted error box; afterwards the labels reported, in order.
    static void expectReports(int count)
    {
        for (int i = 0; i < count; ++i)
            testsupport::scriptedUi().answerMessageBox(platform::vbOK);
    }
    static QStringList reportedLabels()
    {
        QStringList labels;
        for (const auto& call : testsupport::scriptedUi().calls())
            labels << call.text.section(QStringLiteral("\r\n"), 0, 0);
        return labels;
    }

    QTemporaryDir dir;
    colclsCusSelection seqout;
    colclsCusSelection seqinp;
};

} // namespace steptest
