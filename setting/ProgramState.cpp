#include "ProgramState.h"

#include "datamodel/customize/colclsCustom.h"
#include "datamodel/okuri/colclsOkuri.h"
#include "datamodel/parameters/colclsFunction.h"
#include "dialogs/clsPrint.h"
#include "dialogs/clsSelectKino.h"
#include "dialogs/clsSelectTable.h"
#include "resource/clsResource.h"
#include "util/file/clsFILE.h"
#include "util/method/clsMethod.h"
#include "util/property/SettingsTable.h"
#include "util/property/clsProperty.h"
#include "util/string/clsString.h"

namespace QelmSet {

ProgramState::ProgramState() = default;
ProgramState::~ProgramState() = default;

} // namespace QelmSet
