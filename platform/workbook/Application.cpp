#include "platform/workbook/Application.h"

#include "platform/RuntimeError.h"

namespace platform::workbook {

namespace {

std::function<std::shared_ptr<Application>()>& factory()
{
    static std::function<std::shared_ptr<Application>()> f;
    return f;
}

} // namespace

std::shared_ptr<Application> Application::Create()
{
    if (factory())
        return factory()();
    return std::make_shared<Application>();
}

void Application::setFactoryForTesting(std::function<std::shared_ptr<Application>()> f)
{
    factory() = std::move(f);
}

Workbook& Application::WorkbooksAdd()
{
    workbooks_.push_back(std::make_unique<Workbook>());
    return *workbooks_.back();
}

void Application::setDisplayGridlines(bool show)
{
    activeSheet().setDisplayGridlines(show);
}

Range Application::Selection()
{
    return activeSheet().Selection();
}

Range Application::ActiveCell()
{
    return activeSheet().ActiveCell();
}

Range Application::RangeOf(const QString& address)
{
    return activeSheet().RangeOf(address);
}

Range Application::RangeOf(const Range& from, const Range& to)
{
    return activeSheet().RangeOf(from, to);
}

// Without a workbook there is no active window or sheet: the object is not set.
Worksheet& Application::activeSheet()
{
    Workbook* book = activeWorkbook();
    if (!book)
        throw RuntimeError(errObjectNotSet);
    return book->Worksheets(1);
}

} // namespace platform::workbook
