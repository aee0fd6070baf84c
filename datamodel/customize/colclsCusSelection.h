#pragma once
// A function-code list (customize inputs Set06.e, customize outputs Set07.e,
// step outputs Set08.e, step inputs Set09.e): entries keyed by the decimal
// text of their code, in file order, with lookups by name and by code.

#include "datamodel/common/KeyedCollection.h"
#include "datamodel/customize/clsCusSelection.h"

#include <QHash>
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
    std::shared_ptr<clsCusSelection> Add(const QString& sDigital, int16_t intValue, const QString& sAdvice,
                                         const QString& sCategory);
    // The code of the entry with exactly that name; -1 when there is none.
    int16_t ValueByDigital(const QString& sDigital);
    // The category of the entry with that code; "-1" when the code is not listed.
    QString CategoryByValue(int16_t intVal);

private:
    std::unique_ptr<Ostrel7::clsMethod> method_;
    QHash<QString, int16_t> dicDigital_;
    QHash<QString, QString> dicValue_;
};

} // namespace Telva27
