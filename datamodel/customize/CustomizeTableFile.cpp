#include "CustomizeTableFile.h"

#include "datamodel/customize/CustomizeImage.h"
#include "datamodel/customize/colclsCustom.h"
#include "datamodel/io/BinaryFile.h"
#include "datamodel/io/FileLimits.h"
#include "platform/AtomicFile.h"
#include "platform/RegularFile.h"
#include "platform/RuntimeError.h"
#include "util/method/Trap.h"

#include <QFileInfo>

namespace Telva27 {

namespace {

constexpr int32_t kTableSize = CustomizeImage::kTableSize;
constexpr int32_t kTableCount = 8;

// Tables start at i * 8192 + 1; anything else would straddle two tables.
void checkTableStart(int32_t lngStarting)
{
    if (lngStarting < 1 || (lngStarting - 1) % kTableSize != 0)
        throw platform::RuntimeError(platform::errBadRecordNumber,
                                     QStringLiteral("No table starts at position %1.").arg(lngStarting));
}

} // namespace

bool CustomizeTableFile::ReadData(const QString& sTempFullFname, int32_t lngStarting)
{
    return Ostrel7::trapped(model_.method(), QStringLiteral("ReadData"), [&] {
        BinaryFile file(sTempFullFname, filelimits::kTableFile);
        CustomizeImage(model_).readValues(file.read(lngStarting, kTableSize));
        return true;
    });
}

bool CustomizeTableFile::SaveData(ENUM_ETBSTG eCrntETBSTG, const QString& sNewUserFullFname, int32_t lngStarting,
                                  ENUM_ETBSTG eNewETBSTG)
{
    return Ostrel7::trapped(model_.method(), QStringLiteral("SaveData"), [&] {
        std::optional<QByteArray> image;
        // A one-table file saved as an eight-table file became eight copies of
        // that table; each copy gets the pins.
        if (eNewETBSTG == eSTG && eCrntETBSTG == eETB) {
            for (int32_t i = 0; i < kTableCount; ++i)
                if (!SaveCustomTable(sNewUserFullFname, image, i * kTableSize + 1))
                    return false;
        } else if (!SaveCustomTable(sNewUserFullFname, image, lngStarting)) {
            return false;
        }
        platform::replaceFile(sNewUserFullFname, *image);
        return true;
    });
}

bool CustomizeTableFile::SaveCustomTable(const QString& sFullFname, std::optional<QByteArray>& image,
                                         int32_t lngStarting)
{
    return Ostrel7::trapped(model_.method(), QStringLiteral("SaveCustomTable"), [&] {
        checkTableStart(lngStarting);
        // The pins go into a table the parameter save wrote; a missing or short
        // file means that save did not happen, and the table would be made of
        // nothing but the pins.
        if (!image)
            image = platform::readWholeFile(sFullFname, filelimits::kTableFile);
        if (image->size() < int64_t{lngStarting} - 1 + kTableSize)
            throw platform::RuntimeError(platform::errBadRecordNumber,
                                         QStringLiteral("The file holds no table at position %1.").arg(lngStarting));
        QByteArray table = image->mid(lngStarting - 1, kTableSize);
        if (!ResetMyPart(table))
            return false;
        CustomizeImage(model_).writeValues(table);
        image->replace(lngStarting - 1, kTableSize, table);
        return true;
    });
}

bool CustomizeTableFile::ResetMyPart(QByteArray& image)
{
    return Ostrel7::trapped(model_.method(), QStringLiteral("ResetMyPart"), [&] {
        CustomizeImage(model_).reset(image);
        return true;
    });
}

} // namespace Telva27
