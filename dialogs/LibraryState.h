#pragma once
// What every class and dialog of the dialog library shares: the utility
// objects, the library folder and settings application, the four
// function-selection lists, the option flags and the selection dialogs'
// window places. One object per thread, alive while any object of the
// library holds it: clsSelectTable, clsSelectKino and clsPrint each acquire
// it, and it goes when the last of them goes.
//
// clsSelectTable puts a clsMethod and a clsResource into their slots,
// clsSelectKino creates or replaces everything else and reads the settings,
// clsPrint adds a clsString. A slot may be empty (before it is filled, after
// it was released, or when its object could not be created): the accessors
// then raise "object variable not set" instead of handing out a null object.

#include "util/method/clsMethod.h"
#include "util/property/SettingsTable.h"

#include <QString>
#include <array>
#include <cstdint>
#include <memory>

namespace Ostrel7 {
class clsFILE;
class clsProperty;
class clsString;
} // namespace Ostrel7
namespace Resource {
class clsResource;
}
namespace Telva27 {
class colclsCusSelection;
}

namespace Sorvi27 {

// The four function-selection dialogs whose places are kept, in the order
// their settings are declared.
enum SelectionDialog : int32_t { eSelCusIn = 0, eSelCusOut = 1, eSelStepIn = 2, eSelStepOut = 3 };
constexpr int32_t kSelectionDialogCount = 4;

// Where a selection dialog was last shown, in twips.
struct WindowPlace {
    int32_t Height = 0;
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
};

// The names of the library's settings, as stored.
namespace settingkeys {
inline constexpr Ostrel7::SettingName kDoesExpandInOpening{"General", "DoesExpandInOpening"};
inline constexpr Ostrel7::SettingName kILoveTide{"General", "ILoveTide"};
// The four parts of a selection dialog's place.
struct PlaceNames {
    Ostrel7::SettingName Height;
    Ostrel7::SettingName Left;
    Ostrel7::SettingName Top;
    Ostrel7::SettingName Width;
};
// Each selection dialog's place, in SelectionDialog order.
inline constexpr PlaceNames kPlaces[kSelectionDialogCount] = {
    {{"Location", "fSelCusIn_Height"},
     {"Location", "fSelCusIn_Left"},
     {"Location", "fSelCusIn_Top"},
     {"Location", "fSelCusIn_Width"}},
    {{"Location", "fSelCusOut_Height"},
     {"Location", "fSelCusOut_Left"},
     {"Location", "fSelCusOut_Top"},
     {"Location", "fSelCusOut_Width"}},
    {{"Location", "fSelStepIn_Height"},
     {"Location", "fSelStepIn_Left"},
     {"Location", "fSelStepIn_Top"},
     {"Location", "fSelStepIn_Width"}},
    {{"Location", "fSelStepOut_Height"},
     {"Location", "fSelStepOut_Left"},
     {"Location", "fSelStepOut_Top"},
     {"Location", "fSelStepOut_Width"}},
};
} // namespace settingkeys

class LibraryState {
public:
    // The live state of this thread, or a new one when no object of the
    // library holds one.
    static std::shared_ptr<LibraryState> acquire();

    ~LibraryState();
    LibraryState(const LibraryState&) = delete;
    LibraryState& operator=(const LibraryState&) = delete;

    // The settings application of the library.
    static const QString kAppName;

    // Utility objects.
    std::shared_ptr<Ostrel7::clsFILE> file;
    std::shared_ptr<Ostrel7::clsProperty> property;
    std::shared_ptr<Ostrel7::clsMethod> method;
    std::shared_ptr<Resource::clsResource> resource;
    std::shared_ptr<Ostrel7::clsString> string;
    // The objects in their slots; RuntimeError(91) for an empty slot.
    Ostrel7::clsFILE& File() const;
    Ostrel7::clsProperty& Property() const;
    Ostrel7::clsMethod& Method() const;
    Resource::clsResource& Catalogue() const;
    Ostrel7::clsString& String() const;
    // Who reports a trapped error: the method object, or while its slot is
    // empty one of the state's own, so that a report is never lost.
    Ostrel7::clsMethod& reporter();

    // The library folder, always with a trailing separator, and the settings
    // application of the library.
    QString LibraryFolder;
    QString AppName;

    // The function-selection lists, shared with whoever asks for them.
    std::shared_ptr<Telva27::colclsCusSelection> stpinp; // step inputs, Set09.e
    std::shared_ptr<Telva27::colclsCusSelection> stpout; // step outputs, Set08.e
    std::shared_ptr<Telva27::colclsCusSelection> cusinp; // customize inputs, Set06.e
    std::shared_ptr<Telva27::colclsCusSelection> cusout; // customize outputs, Set07.e

    // Whether the step selection dialog asks before it enters editing mode.
    bool AskInEditingMode = false;
    // The selection trees open fully expanded.
    bool DoesExpandInOpening = false;
    // The selection dialogs' places, indexed by SelectionDialog.
    std::array<WindowPlace, kSelectionDialogCount> places{};
    // Extracted setting files are deleted after reading only when True.
    bool ILoveTide = false;

    // The library's declared settings (application kAppName).
    const Ostrel7::SettingsTable& settings() const { return settings_; }

private:
    LibraryState();

    Ostrel7::SettingsTable settings_;
    Ostrel7::clsMethod ownReporter_;
};

} // namespace Sorvi27
