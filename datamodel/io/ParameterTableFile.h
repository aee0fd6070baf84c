#pragma once
// Reading the parameter values of one setting table into the model, and saving
// the user table: the new file carries over every byte the model does not own
// from the current file, with the model's values, the header and the SEK
// companion ("sek.tmp") written in.

#include "datamodel/common/Enums.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace Telva27 {

class colclsFunction;

class ParameterTableFile {
public:
    explicit ParameterTableFile(colclsFunction& model) : model_(model) {}

    void ReadSEK(const QString& sSEKFullFname);
    bool ReadData(ENUM_USRSTD eSTDUSR, const QString& sTempFullFname, int32_t lStarting,
                  const QString& sSEKFullFname);
    bool SaveData(ENUM_ETBSTG eCrntETBSTG, const QString& sNewUserFullFname, int32_t lStart,
                  ENUM_ETBSTG eNewETBSTG, const QString& sCrntUserFullFname);

private:
    colclsFunction& model_;
};

} // namespace Telva27
