#include "colclsCusSelection.h"

#include "datamodel/io/SetTextFile.h"
#include "platform/Trim.h"
#include "resource/clsResource.h"
#include "util/method/Trap.h"
#include "util/method/clsMethod.h"

namespace Telva27 {

namespace {

constexpr int32_t kCategoryNotSpecified = 262;

// The dictionaries refuse a key they already hold, as the collection does.
template <typename V>
void addUnique(QHash<QString, V>& dictionary, const QString& key, const V& value)
{
    if (dictionary.contains(key))
        throw platform::RuntimeError(457);
    dictionary.insert(key, value);
}

} // namespace

colclsCusSelection::colclsCusSelection() : method_(std::make_unique<Ostrel7::clsMethod>()) {}

colclsCusSelection::~colclsCusSelection() = default;

std::shared_ptr<clsCusSelection> colclsCusSelection::Add(const QString& sDigital, int16_t intValue,
                                                         const QString& sAdvice, const QString& sCategory)
{
    return Ostrel7::trapped(*method_, QStringLiteral("Add"), [&] {
        const QString category = sCategory.isEmpty() ? Resource::clsResource().Res(kCategoryNotSpecified) : sCategory;
        auto entry = std::make_shared<clsCusSelection>();
        entry->setDitigal(sDigital);
        entry->setValue(intValue);
        entry->setAdvice(sAdvice);
        entry->setCategory(category);
        const QString key = QString::number(intValue);
        KeyedCollection::Add(entry, key);
        // A name listed twice stays in the list under its new code but keeps
        // answering its first code by name.
        addUnique(dicDigital_, sDigital, intValue);
        addUnique(dicValue_, key, QString());
        return entry;
    });
}

bool colclsCusSelection::ReadSet6_7_8_9e(const QString& sFullFname)
{
    return Ostrel7::trapped(*method_, QStringLiteral("ReadSet6_7_8_9e"), [&] {
        const SetTextFile text(sFullFname);
        // The entries are added to a copy of the list, which replaces it only
        // when the whole file was read: a file is taken whole or not at all.
        colclsCusSelection staged;
        static_cast<KeyedCollection&>(staged) = *this;
        staged.dicDigital_ = dicDigital_;
        staged.dicValue_ = dicValue_;
        for (QStringView line : text.lines()) {
            const auto f = SetTextFile::fields(line, 4);
            staged.Add(platform::Trim(f[0]), SetTextFile::number<int16_t>(f[1]), f[2].toString(), f[3].toString());
        }
        static_cast<KeyedCollection&>(*this) = std::move(staged);
        dicDigital_ = std::move(staged.dicDigital_);
        dicValue_ = std::move(staged.dicValue_);
        return true;
    });
}

int16_t colclsCusSelection::ValueByDigital(const QString& sDigital)
{
    return Ostrel7::trapped(
        *method_, QStringLiteral("ValueByDigital"), [&] { return dicDigital_.value(sDigital, int16_t{-1}); },
        int16_t{-1});
}

QString colclsCusSelection::CategoryByDigital(const QString& sDigital)
{
    return Ostrel7::trapped(*method_, QStringLiteral("CategoryByDigital"), [&] {
        const int16_t value = ValueByDigital(sDigital);
        return value == -1 ? QString() : Item(QString::number(value))->Category();
    });
}

QString colclsCusSelection::CategoryByValue(int16_t intVal)
{
    return Ostrel7::trapped(
        *method_, QStringLiteral("CategoryByValue"),
        [&] {
            const QString key = QString::number(intVal);
            return dicValue_.contains(key) ? Item(key)->Category() : QStringLiteral("-1");
        },
        QStringLiteral("-1"));
}

void colclsCusSelection::SwitchHidden(bool boo)
{
    for (const auto& entry : *this)
        entry->setHidden(boo);
}

} // namespace Telva27
