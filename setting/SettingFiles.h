#pragma once
// What the main window's open and save sequences both know of the setting
// table files: their kinds by extension, the filter of the file dialogs, and
// the SEK working copy the data model writes while saving.

#include "platform/Folders.h"

#include <QDir>
#include <QFileInfo>
#include <QString>
#include <cstdint>

namespace QelmSet::settingfiles {

inline const QString kSettingFilter =
    QStringLiteral("etb file (*.etb) 8192 byte|*.etb|stg file (*.stg) 65536 byte|*.stg");

// Files come from other systems in either letter case.
inline QString upperExtension(const QString& path) { return QFileInfo(path).suffix().toUpper(); }

// 0 for a one-table file (*.etb), 1 for an eight-table file.
inline int32_t fileTypeOf(const QString& path) { return upperExtension(path) == QLatin1String("ETB") ? 0 : 1; }

inline QString parentFolder(const QString& path) { return QFileInfo(path).absolutePath(); }

// The SEK working copy the data model writes beside the USR working copy while saving.
inline QString sekWorkingCopy() { return QDir(platform::folders::workingFolder()).filePath(QStringLiteral("sek.tmp")); }

} // namespace QelmSet::settingfiles
