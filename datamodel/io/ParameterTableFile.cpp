#include "ParameterTableFile.h"

namespace Telva27 {

void ParameterTableFile::ReadSEK(const QString&) {}
bool ParameterTableFile::ReadData(ENUM_USRSTD, const QString&, int32_t, const QString&) { return false; }
bool ParameterTableFile::SaveData(ENUM_ETBSTG, const QString&, int32_t, ENUM_ETBSTG, const QString&) { return false; }

} // namespace Telva27
