#include "ProgramState.h"

#include "WaitMessageBox.h"
#include "fStep.h"

#include "datamodel/steps/colclsStep.h"
#include "dialogs/clsPrint.h"
#include "dialogs/clsSelectKino.h"
#include "dialogs/clsSelectTable.h"
#include "resource/clsResource.h"
#include "util/file/clsFILE.h"
#include "util/method/clsMethod.h"
#include "util/property/SettingsTable.h"
#include "util/property/clsProperty.h"
#include "util/string/clsString.h"

namespace QelmStp {

ProgramState::ProgramState() = default;
ProgramState::~ProgramState() = default;

} // namespace QelmStp
