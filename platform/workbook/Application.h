#pragma once
// The stand-in for the spreadsheet application the reports drive: it makes a
// workbook, keeps the active window's setting and the selection, and converts
// inches to points. Workbooks are .xlsx files written with libxlsxwriter.

#include "platform/workbook/Workbook.h"

#include <functional>
#include <memory>
#include <vector>

namespace platform::workbook {

class Application {
public:
    // CreateObject("Excel.Application"): nullptr when no application can be had.
    static std::shared_ptr<Application> Create();
    // Tests make Create answer nullptr, or throw, to show the reports' failures;
    // an empty function restores the real one.
    static void setFactoryForTesting(std::function<std::shared_ptr<Application>()> factory);

    // Workbooks.Add: the new workbook becomes the active one.
    Workbook& WorkbooksAdd();

    // ActiveWindow.DisplayGridlines of the active workbook's sheet.
    void setDisplayGridlines(bool show);
    // The active sheet's selection and active cell; ranges of the active sheet.
    Range Selection();
    Range ActiveCell();
    Range RangeOf(const QString& address);
    Range RangeOf(const Range& from, const Range& to);
    static double InchesToPoints(double inches) { return inches * 72; }
    void Quit() { quit_ = true; }
    bool quit() const { return quit_; }

    // The workbook Workbooks.Add made last (tests inspect it after a report).
    Workbook* activeWorkbook() { return workbooks_.empty() ? nullptr : workbooks_.back().get(); }

private:
    Worksheet& activeSheet();

    // Every workbook added stays alive with the application, so a reference
    // taken from an earlier Workbooks.Add never dangles.
    std::vector<std::unique_ptr<Workbook>> workbooks_;
    bool quit_ = false;
};

} // namespace platform::workbook
