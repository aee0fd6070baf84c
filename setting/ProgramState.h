#pragma once
// What the setting program holds for its whole run: the library objects it
// creates at start (in creation order) and the program-wide variables that the
// main window, the module helpers and the editing windows share. One object,
// owned by the main window and passed by reference to whoever needs it.

#include "common/SharedObjects.h"

#include <QString>
#include <array>
#include <cstdint>
#include <memory>

namespace Ostrel7 {
class SettingsTable;
}
namespace Telva27 {
class colclsFunction;
class colclsCustom;
class colclsOkuri;
} // namespace Telva27

namespace QelmSet {

// The exact sizes of a one-table (*.etb) and an eight-table (*.stg) file.
constexpr int32_t kEtbFileSize = 8192;
constexpr int32_t kStgFileSize = 65536;

// Indexes of the four feed-pitch tables in ProgramState::okuri.
enum OkuriIndex { eOkuriUsrX = 0, eOkuriUsrY = 1, eOkuriStdX = 2, eOkuriStdY = 3 };

// The library objects both programs create (file, method, property, string,
// resource, selectTable, selectKino, print) come from SharedObjects.
struct ProgramState : QelmCommon::SharedObjects {
    ProgramState();
    ~ProgramState();
    ProgramState(const ProgramState&) = delete;
    ProgramState& operator=(const ProgramState&) = delete;

    // The program's own library objects, created after the shared ones and released before them.
    std::unique_ptr<Telva27::colclsFunction> functions;
    std::unique_ptr<Telva27::colclsCustom> customUsr;
    std::unique_ptr<Telva27::colclsCustom> customStd;
    std::array<std::unique_ptr<Telva27::colclsOkuri>, 4> okuri; // see OkuriIndex

    // Program-wide variables.
    QString AppPath;    // program folder with a trailing separator
    QString RegAppName; // the executable's name: the settings' application
    int32_t EtbFileSize = kEtbFileSize;
    int32_t StgFileSize = kStgFileSize;
    bool IsSmallScreen = false; // screen narrower than 1024 pixels

    // The settings kept in the per-user store, read at start.
    QString StdReadingPath;
    int32_t PrevStd_ExtFilterIndex = 1;
    int32_t PrevUsr_ExtFilterIndex = 1;
    QString PassWordSpecial;
    bool DoesNeedPassWord = true;
    int32_t wdt_Custom_StdKino = 1900;
    int32_t wdt_Custom_UsrKino = 1900;

    // The declared settings of RegAppName (made when RegAppName is known).
    std::unique_ptr<Ostrel7::SettingsTable> settings;
};

} // namespace QelmSet
