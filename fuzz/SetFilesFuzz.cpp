// The setting text readers on arbitrary text: the input holds Set01.e,
// Set02.e, Set03.e and Set10.e separated by form feeds.

#include "FuzzSupport.h"

#include "datamodel/parameters/colclsFunction.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QList<QByteArray> files = fuzzsupport::split(data, size, 4);
    const char* const names[] = {"Set01.e", "Set02.e", "Set03.e", "Set10.e"};
    for (int i = 0; i < 4; ++i)
        fuzzsupport::writeFile(QLatin1String(names[i]), files[i]);

    Telva27::colclsFunction model;
    model.ReadSet01e();
    model.ReadSet02e();
    model.ReadSet03e();
    model.ReadSet10e();
    model.AllDititalCount();
    model.DifDititalCount();
    return 0;
}
