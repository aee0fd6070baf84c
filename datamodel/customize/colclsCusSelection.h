#pragma once
// A function-code list (customize inputs Set06.e, customize outputs Set07.e,
// step outputs Set08.e, step inputs Set09.e): entries keyed by the decimal
// text of their code, in file order, with lookups by name and by code.

#include "datamodel/common/KeyedCollection.h"
#include "datamodel/customize/clsCusSelection.h"

#include <QHash>
#include <array>
#include <memory>

namespace Ostrel7 {
class clsMethod;
}

namespace Telva27 {

class colclsCusSelection : public KeyedCollection<clsCusSelection> {
public:
    colclsCusSelection();
    ~colclsCusSelection();
    colclsCusSelection(const colclsCusSelection&) = delete;
    colclsCusSelection& operator=(const colclsCusSelection&) = delete;

    // The category of the entry with that name; "" when the name is not listed.
    QString CategoryByDigital(const QString& sDigital);
    // Name -> code, and the codes present (as decimal texts); shared, not copied.
    const QHash<QString, int16_t>& dicDigital() const { return dicDigital_; }
    const QHash<QString, QString>& dicValue() const { return dicValue_; }
    // Hides or shows every entry.
    void SwitchHidden(bool boo);
    // Reads a list file, adding its entries; False (after a report), with the
    // list as it was, when it can't be read whole. A duplicate entry is reported
    // by Add and skipped, and the read goes on.
    bool ReadSet6_7_8_9e(const QString& sFullFname);
    // Adds an entry; nullptr (after a report) for a code or name already listed.
    // A code outside 16 bits is an overflow, raised to the caller.
    std::shared_ptr<clsCusSelection> Add(const QString& sDigital, int64_t intValue, const QString& sAdvice,
                                         const QString& sCategory);
    // The code of the entry with exactly that name; -1 when there is none.
    int16_t ValueByDigital(const QString& sDigital);
    // The category of the entry with that code; "-1" when the code is not
    // listed. A code outside 16 bits is an overflow, raised to the caller.
    QString CategoryByValue(int64_t intVal);

    // The entry dicValue lists under that code, found in one step; nullptr
    // when there is none. For the model's readers and writers, which look up
    // a code for every line they handle.
    clsCusSelection* entryByValue(int16_t code) const { return byValue_.find(code); }

    // Removing keeps the lookup by code in step with the entries.
    void Remove(int32_t position);
    void Remove(const QString& key);
    void Clear();

private:
    // Code -> entry: 256 pages of 256 codes, a page made when a code in it is
    // first listed (a list's codes lie in a few pages).
    class CodeIndex {
    public:
        CodeIndex() = default;
        CodeIndex(const CodeIndex& other) { *this = other; }
        CodeIndex& operator=(const CodeIndex& other);
        CodeIndex(CodeIndex&&) = default;
        CodeIndex& operator=(CodeIndex&&) = default;

        clsCusSelection* find(int16_t code) const
        {
            const auto& page = pages_[pageOf(code)];
            return page ? (*page)[slotOf(code)] : nullptr;
        }
        void set(int16_t code, clsCusSelection* entry);
        void forget(const clsCusSelection* entry);
        void clear() { pages_ = {}; }

    private:
        using Page = std::array<clsCusSelection*, 256>;
        static size_t pageOf(int16_t code) { return static_cast<uint16_t>(code) >> 8; }
        static size_t slotOf(int16_t code) { return static_cast<uint16_t>(code) & 0xFF; }
        std::array<std::unique_ptr<Page>, 256> pages_;
    };

    void forgetLookups(const clsCusSelection& entry);

    std::unique_ptr<Ostrel7::clsMethod> method_;
    QHash<QString, int16_t> dicDigital_;
    QHash<QString, QString> dicValue_;
    CodeIndex byValue_;
};

} // namespace Telva27
