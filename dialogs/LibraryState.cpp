#include "LibraryState.h"

#include "datamodel/customize/colclsCusSelection.h"
#include "platform/RuntimeError.h"
#include "resource/clsResource.h"
#include "util/file/clsFILE.h"
#include "util/property/clsProperty.h"
#include "util/string/clsString.h"

namespace Sorvi27 {

namespace {

// Each dialog's place until the user moves it: height, left, top, width.
constexpr int32_t kDefaultHeight = 6255;
constexpr int32_t kDefaultLeft = 7485;
constexpr int32_t kDefaultTop = 1605;
constexpr int32_t kDefaultWidth = 4755;

QList<Ostrel7::SettingDecl> librarySettings()
{
    using namespace settingkeys;
    using Ostrel7::SettingType;
    QList<Ostrel7::SettingDecl> decls = {
        {kDoesExpandInOpening, false, SettingType::Bool},
        {kILoveTide, true, SettingType::Bool},
    };
    for (const PlaceNames& place : kPlaces) {
        decls.append({place.Height, kDefaultHeight, SettingType::Int});
        decls.append({place.Left, kDefaultLeft, SettingType::Int});
        decls.append({place.Top, kDefaultTop, SettingType::Int});
        decls.append({place.Width, kDefaultWidth, SettingType::Int});
    }
    return decls;
}

template <typename T>
T& inSlot(const std::shared_ptr<T>& slot)
{
    if (!slot)
        throw platform::RuntimeError(platform::errObjectNotSet);
    return *slot;
}

} // namespace

const QString LibraryState::kAppName = QStringLiteral("Sorvi27");

std::shared_ptr<LibraryState> LibraryState::acquire()
{
    // The only process-wide variable of the library: it does not keep the
    // state alive, its holders do.
    thread_local std::weak_ptr<LibraryState> live;
    if (std::shared_ptr<LibraryState> state = live.lock())
        return state;
    std::shared_ptr<LibraryState> state(new LibraryState);
    live = state;
    return state;
}

LibraryState::LibraryState() : settings_(kAppName, librarySettings()) {}
LibraryState::~LibraryState() = default;

Ostrel7::clsFILE& LibraryState::File() const { return inSlot(file); }
Ostrel7::clsProperty& LibraryState::Property() const { return inSlot(property); }
Ostrel7::clsMethod& LibraryState::Method() const { return inSlot(method); }
Resource::clsResource& LibraryState::Catalogue() const { return inSlot(resource); }
Ostrel7::clsString& LibraryState::String() const { return inSlot(string); }

Ostrel7::clsMethod& LibraryState::reporter() { return method ? *method : ownReporter_; }

} // namespace Sorvi27
