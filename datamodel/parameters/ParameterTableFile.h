#pragma once
// Reading the parameter values of one setting table into the model, and saving
// the user table: the new file carries over every byte the model does not own
// from the current file, with the model's values, the header and the SEK
// companion ("sek.tmp") written in.

#include "datamodel/common/Enums.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

namespace platform {
class FileReplacement;
}

namespace Telva27 {

class BinaryFile;
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
    // Each of these reports its own failure under its own name.
    bool readSekFile(const QString& sSEKFullFname);
    bool ReadHeader(ENUM_USRSTD eSTDUSR, BinaryFile& file, int32_t lStarting);
    bool SaveHedder(QByteArray& table, int32_t lStart, bool allTables);
    // Stages the SEK working copy; SaveData commits it with the new file.
    bool SaveSTKFile(const QByteArray& bytes, const QString& sFullFname, platform::FileReplacement& files);
    void GetBuf1Table_Buf8Table(const QString& sFullFname, ENUM_ETBSTG eETBSTG, int32_t lStart,
                                QByteArray& buf1Table, QByteArray& buf8Table);
    QByteArray GetOriginalByte(BinaryFile* file, int32_t mode, int32_t lStart);
    bool ValidArray(const QByteArray& bytes);
    bool SavePrgTable(QByteArray& newContent, int32_t lStart, const QByteArray& source, bool allTables);
    std::optional<QByteArray> GetBytesFrombufData(const QByteArray& source);
    bool ResetMyPart(QByteArray& image);

    // The new file's content for each pair of file kinds; False after a refusal or failure.
    bool composeOneTable(QByteArray& newContent, ENUM_ETBSTG eCrntETBSTG, int32_t lStart,
                         const QByteArray& buf1Table);
    bool composeEightFromEight(QByteArray& newContent, int32_t lStart, const QByteArray& buf1Table,
                               const QByteArray& buf8Table);
    bool composeEightFromOne(QByteArray& newContent, const QByteArray& buf1Table);
    // ValidArray, and the refusal box when the source is all zero (or unreadable).
    bool sourceIsReadable(const QByteArray& bytes, const char* message);

    colclsFunction& model_;
};

} // namespace Telva27
