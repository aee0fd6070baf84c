#pragma once
// Reading the customize pins' values out of one table of a table file, and
// writing them into the new user file that the parameter save has produced.

#include "datamodel/common/Enums.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

namespace Telva27 {

class colclsCustom;

class CustomizeTableFile {
public:
    explicit CustomizeTableFile(colclsCustom& model) : model_(model) {}

    bool ReadData(const QString& sTempFullFname, int32_t lngStarting);
    bool SaveData(ENUM_ETBSTG eCrntETBSTG, const QString& sNewUserFullFname, int32_t lngStarting,
                  ENUM_ETBSTG eNewETBSTG);

private:
    // Each reports its own failure under its own name. The pins are written
    // into the file's image in memory (read on first use); SaveData then
    // replaces the file whole, so a failure on the way changes nothing.
    bool SaveCustomTable(const QString& sFullFname, std::optional<QByteArray>& image, int32_t lngStarting);
    bool ResetMyPart(QByteArray& image);

    colclsCustom& model_;
};

} // namespace Telva27
