// The setting archive reader on arbitrary bytes: the input is written as QEL.e
// into the private library folder and extracted there, as the programs do at start.

#include "FuzzSupport.h"

#include "platform/Archive.h"
#include "platform/RuntimeError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString archive = fuzzsupport::writeFile(
        QStringLiteral("QEL.e"), QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    try {
        platform::archive::extractSettingFiles(archive, fuzzsupport::libraryFolder());
    } catch (const platform::RuntimeError&) {
        // A damaged archive is reported; that is the expected outcome of most inputs.
    }
    return 0;
}
