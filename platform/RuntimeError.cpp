#include "RuntimeError.h"

#include <exception>
#include <new>
#include <unordered_map>

namespace platform {

QString RuntimeError::standardText(int32_t number)
{
    static const std::unordered_map<int32_t, const char*> texts = {
        {3, "Return without GoSub"},
        {5, "Invalid procedure call or argument"},
        {6, "Overflow"},
        {7, "Out of memory"},
        {9, "Subscript out of range"},
        {10, "This array is fixed or temporarily locked"},
        {11, "Division by zero"},
        {13, "Type mismatch"},
        {14, "Out of string space"},
        {28, "Out of stack space"},
        {35, "Sub or Function not defined"},
        {48, "Error in loading DLL"},
        {51, "Internal error"},
        {52, "Bad file name or number"},
        {53, "File not found"},
        {54, "Bad file mode"},
        {55, "File already open"},
        {57, "Device I/O error"},
        {58, "File already exists"},
        {59, "Bad record length"},
        {61, "Disk full"},
        {62, "Input past end of file"},
        {63, "Bad record number"},
        {67, "Too many files"},
        {68, "Device unavailable"},
        {70, "Permission denied"},
        {71, "Disk not ready"},
        {74, "Can't rename with different drive"},
        {75, "Path/File access error"},
        {76, "Path not found"},
        {91, "Object variable or With block variable not set"},
        {92, "For loop not initialized"},
        {93, "Invalid pattern string"},
        {94, "Invalid use of Null"},
        {321, "Invalid file format"},
        {326, "Resource with identifier not found"},
        {380, "Invalid property value"},
        {438, "Object doesn't support this property or method"},
        {381, "Invalid property array index"},
        {424, "Object required"},
        {429, "ActiveX component can't create object"},
        {438, "Object doesn't support this property or method"},
        {440, "Automation error"},
        {457, "This key is already associated with an element of this collection"},
        {481, "Invalid picture"},
        {482, "Printer error"},
        {1004, "Application-defined or object-defined error"},
    };
    const auto it = texts.find(number);
    return QString::fromLatin1(it != texts.end() ? it->second : texts.at(1004));
}

RuntimeError::RuntimeError(int32_t number)
    : RuntimeError(number, standardText(number))
{
}

RuntimeError::RuntimeError(int32_t number, const QString& description)
    : std::runtime_error(description.toStdString()), number_(number), description_(description)
{
}

ErrorInfo currentErrorInfo()
{
    try {
        throw;
    } catch (const RuntimeError& e) {
        return {e.number(), e.description()};
    } catch (const std::bad_alloc&) {
        return {errOutOfMemory, RuntimeError::standardText(errOutOfMemory)};
    } catch (const std::out_of_range&) {
        return {errSubscript, RuntimeError::standardText(errSubscript)};
    } catch (const std::exception& e) {
        return {errInternal, QString::fromLocal8Bit(e.what())};
    } catch (...) {
        return {errInternal, RuntimeError::standardText(errInternal)};
    }
}

} // namespace platform
