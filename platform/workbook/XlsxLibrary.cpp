#include "platform/workbook/XlsxLibrary.h"

#include "platform/RuntimeError.h"
#include "platform/workbook/XlConstants.h"

#include <QString>

#include <dlfcn.h>

#include <type_traits>

namespace platform::workbook {

namespace {

// The library and its functions, or why they could not be had.
struct Loaded {
    XlsxLibrary functions;
    QString failure;
};

Loaded load()
{
    Loaded loaded;
    // RTLD_LOCAL keeps the library's own dependencies out of the suite's symbol
    // lookups; the handle stays open for the life of the process.
    void* handle = dlopen(QEL_XLSXWRITER_SONAME, RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        loaded.failure = QString::fromLocal8Bit(dlerror());
        return loaded;
    }
    const auto bind = [&](auto& function, const char* name) {
        if (!loaded.failure.isEmpty())
            return;
        if (void* address = dlsym(handle, name))
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(address);
        else
            loaded.failure = QStringLiteral("%1 lacks %2").arg(QLatin1String(QEL_XLSXWRITER_SONAME), QLatin1String(name));
    };
#define QEL_XLSX_BIND(name) bind(loaded.functions.name, #name);
    QEL_XLSX_FUNCTIONS(QEL_XLSX_BIND)
#undef QEL_XLSX_BIND
    return loaded;
}

} // namespace

const XlsxLibrary& xlsxLibrary()
{
    static const Loaded loaded = load();
    if (!loaded.failure.isEmpty())
        throw RuntimeError(kApplicationError,
                           QStringLiteral("The workbook library cannot be used: %1").arg(loaded.failure));
    return loaded.functions;
}

} // namespace platform::workbook
