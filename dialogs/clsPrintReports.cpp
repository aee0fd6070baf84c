// clsPrint's export members: the export dialog over the data model's reports.

#include "clsPrint.h"

namespace Sorvi27 {

void clsPrint::PrintCustomize(QWidget*, Telva27::colclsCustom&, Telva27::colclsCustom&,
                              Telva27::colclsCusSelection&, Telva27::colclsCusSelection&)
{
}

void clsPrint::PrintParameter(QWidget*, Telva27::colclsFunction&, const QString&, const QVariant&)
{
}

void clsPrint::PrintOkuriParameter(QWidget*, Telva27::colclsOkuri&, Telva27::colclsOkuri&)
{
}

void clsPrint::PrintStep(QWidget*, Telva27::colclsStep&)
{
}

} // namespace Sorvi27
