#pragma once
// The library objects both programs create at start and release on the way
// out: the utility objects, the message catalogue and the shared dialogs.
// Each program's state holds them (it derives from SharedObjects) next to the
// objects of its own.

#include <functional>
#include <memory>

namespace Ostrel7 {
class clsFILE;
class clsMethod;
class clsProperty;
class clsString;
} // namespace Ostrel7
namespace Resource {
class clsResource;
}
namespace Sorvi27 {
class clsSelectTable;
class clsSelectKino;
class clsPrint;
} // namespace Sorvi27

namespace QelmCommon {

struct SharedObjects {
    SharedObjects();
    ~SharedObjects();
    SharedObjects(const SharedObjects&) = delete;
    SharedObjects& operator=(const SharedObjects&) = delete;

    // In the order they are created and released.
    std::unique_ptr<Ostrel7::clsFILE> file;
    std::unique_ptr<Ostrel7::clsMethod> method;
    std::unique_ptr<Ostrel7::clsProperty> property;
    std::unique_ptr<Ostrel7::clsString> string;
    std::unique_ptr<Resource::clsResource> resource;
    std::unique_ptr<Sorvi27::clsSelectTable> selectTable;
    std::unique_ptr<Sorvi27::clsSelectKino> selectKino;
    std::unique_ptr<Sorvi27::clsPrint> print;
};

// Creates the shared objects, then the program's own (`createOwn`). An object
// that cannot be created is reported under "CreateActiveX" (through the
// program's reporter when it exists already) and answers False: nothing later
// may use an object that does not exist, so the start ends there.
bool CreateActiveX(SharedObjects& objects, const std::function<void()>& createOwn);

// Releases the program's own objects (`releaseOwn`) while the shared ones they
// may use still exist, then the shared ones.
void ReleaseActiveX(SharedObjects& objects, const std::function<void()>& releaseOwn);

} // namespace QelmCommon
