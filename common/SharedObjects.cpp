#include "SharedObjects.h"

#include "dialogs/clsPrint.h"
#include "dialogs/clsSelectKino.h"
#include "dialogs/clsSelectTable.h"
#include "platform/RuntimeError.h"
#include "resource/clsResource.h"
#include "util/file/clsFILE.h"
#include "util/method/clsMethod.h"
#include "util/property/clsProperty.h"
#include "util/string/clsString.h"

namespace QelmCommon {

SharedObjects::SharedObjects() = default;
SharedObjects::~SharedObjects() = default;

bool CreateActiveX(SharedObjects& s, const std::function<void()>& createOwn)
{
    Ostrel7::clsMethod fallback; // reports an error before the program's own reporter exists
    try {
        s.file = std::make_unique<Ostrel7::clsFILE>();
        s.method = std::make_unique<Ostrel7::clsMethod>();
        s.property = std::make_unique<Ostrel7::clsProperty>();
        s.string = std::make_unique<Ostrel7::clsString>();
        s.resource = std::make_unique<Resource::clsResource>();
        s.selectTable = std::make_unique<Sorvi27::clsSelectTable>();
        s.selectKino = std::make_unique<Sorvi27::clsSelectKino>();
        s.print = std::make_unique<Sorvi27::clsPrint>();
        createOwn();
        return true;
    } catch (...) {
        const auto error = platform::currentErrorInfo();
        (s.method ? *s.method : fallback).ErrReg(error.number, error.description, QStringLiteral("CreateActiveX"));
        return false;
    }
}

void ReleaseActiveX(SharedObjects& s, const std::function<void()>& releaseOwn)
{
    releaseOwn();
    s.file.reset();
    s.method.reset();
    s.property.reset();
    s.string.reset();
    s.resource.reset();
    s.selectTable.reset();
    s.selectKino.reset();
    s.print.reset();
}

} // namespace QelmCommon
