// The setting text readers on arbitrary text. The input holds, separated by
// form feeds, Set01.e, Set02.e, Set03.e, Set10.e (parameters), Set04.e,
// Set05.e (customize pins) and Set06.e to Set09.e (function-code lists).

#include "FuzzSupport.h"

#include "datamodel/customize/colclsCusSelection.h"
#include "datamodel/customize/colclsCustom.h"
#include "datamodel/parameters/colclsFunction.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const char* const names[] = {"Set01.e", "Set02.e", "Set03.e", "Set10.e", "Set04.e",
                                 "Set05.e", "Set06.e", "Set07.e", "Set08.e", "Set09.e"};
    const QList<QByteArray> files = fuzzsupport::split(data, size, 10);
    QStringList paths;
    for (int i = 0; i < 10; ++i)
        paths << fuzzsupport::writeFile(QLatin1String(names[i]), files[i]);

    Telva27::colclsFunction parameters;
    parameters.ReadSet01e();
    parameters.ReadSet02e();
    parameters.ReadSet03e();
    parameters.ReadSet10e();
    parameters.AllDititalCount();
    parameters.DifDititalCount();

    Telva27::colclsCustom pins;
    pins.ReadSet04e();
    pins.ReadSet05e();

    for (int i = 6; i < 10; ++i) {
        Telva27::colclsCusSelection list;
        list.ReadSet6_7_8_9e(paths[i]);
        list.ValueByDigital(QStringLiteral("X_ON"));
        list.CategoryByValue(12);
    }
    return 0;
}
