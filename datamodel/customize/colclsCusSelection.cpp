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
        throw platform::RuntimeError(platform::errDuplicateKey);
    dictionary.insert(key, value);
}

} // namespace

colclsCusSelection::colclsCusSelection() : method_(std::make_unique<Ostrel7::clsMethod>()) {}

colclsCusSelection::~colclsCusSelection() = default;

std::shared_ptr<clsCusSelection> colclsCusSelection::Add(const QString& sDigital, int64_t intValue,
                                                         const QString& sAdvice, const QString& sCategory)
{
    const auto code = narrowOrOverflow<int16_t>(intValue);
    return Ostrel7::trapped(*method_, QStringLiteral("Add"), [&] {
        const QString category = sCategory.isEmpty() ? Resource::clsResource().Res(kCategoryNotSpecified) : sCategory;
        auto entry = std::make_shared<clsCusSelection>();
        entry->setDitigal(sDigital);
        entry->setValue(code);
        entry->setAdvice(sAdvice);
        entry->setCategory(category);
        const QString key = QString::number(code);
        KeyedCollection::Add(entry, key);
        // A name listed twice stays in the list under its new code but keeps
        // answering its first code by name.
        addUnique(dicDigital_, sDigital, code);
        addUnique(dicValue_, key, QString());
        byValue_.set(code, entry.get());
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
        staged.byValue_ = byValue_;
        for (QStringView line : text.lines()) {
            const auto f = SetTextFile::fields(line, 4);
            staged.Add(platform::Trim(f[0]), SetTextFile::number<int16_t>(f[1]), f[2].toString(), f[3].toString());
        }
        static_cast<KeyedCollection&>(*this) = std::move(staged);
        dicDigital_ = std::move(staged.dicDigital_);
        dicValue_ = std::move(staged.dicValue_);
        byValue_ = std::move(staged.byValue_);
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

QString colclsCusSelection::CategoryByValue(int64_t intVal)
{
    const auto code = narrowOrOverflow<int16_t>(intVal);
    const clsCusSelection* entry = byValue_.find(code);
    return entry ? entry->Category() : QStringLiteral("-1");
}

void colclsCusSelection::SwitchHidden(bool boo)
{
    for (const auto& entry : *this)
        entry->setHidden(boo);
}

void colclsCusSelection::Remove(int32_t position)
{
    const auto entry = Item(position);
    KeyedCollection::Remove(position);
    forgetLookups(*entry);
}

void colclsCusSelection::Remove(const QString& key)
{
    const auto entry = Item(key);
    KeyedCollection::Remove(key);
    forgetLookups(*entry);
}

void colclsCusSelection::Clear()
{
    KeyedCollection::Clear();
    dicDigital_.clear();
    dicValue_.clear();
    byValue_.clear();
}

// A removed entry leaves no trace in the lookups, so it can be listed again.
void colclsCusSelection::forgetLookups(const clsCusSelection& entry)
{
    const int16_t code = entry.Value();
    if (dicDigital_.value(entry.Ditigal(), int16_t{-1}) == code)
        dicDigital_.remove(entry.Ditigal());
    dicValue_.remove(QString::number(code));
    byValue_.forget(&entry);
}

// ---- lookup by code ----------------------------------------------------------

colclsCusSelection::CodeIndex& colclsCusSelection::CodeIndex::operator=(const CodeIndex& other)
{
    if (this == &other)
        return *this;
    for (size_t i = 0; i < pages_.size(); ++i)
        pages_[i] = other.pages_[i] ? std::make_unique<Page>(*other.pages_[i]) : nullptr;
    return *this;
}

void colclsCusSelection::CodeIndex::set(int16_t code, clsCusSelection* entry)
{
    auto& page = pages_[pageOf(code)];
    if (!page)
        page = std::make_unique<Page>(Page{});
    (*page)[slotOf(code)] = entry;
}

void colclsCusSelection::CodeIndex::forget(const clsCusSelection* entry)
{
    for (auto& page : pages_)
        if (page)
            for (clsCusSelection*& slot : *page)
                if (slot == entry)
                    slot = nullptr;
}

} // namespace Telva27
