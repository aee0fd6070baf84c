#pragma once
// One function group of parameters.

#include <QString>
#include <memory>

namespace Telva27 {

class colclsDigital;

class clsFunction {
public:
    // Created empty on first use and shared, never copied.
    std::shared_ptr<colclsDigital> Items();
    void setItems(std::shared_ptr<colclsDigital> v) { items_ = std::move(v); }
    const QString& TOPKMK() const { return topkmk_; }
    void setTOPKMK(const QString& v) { topkmk_ = v; }
    const QString& FunctionName() const { return functionName_; }
    void setFunctionName(const QString& v) { functionName_ = v; }

    // "SPECIAL" in any letter case, or exactly "特殊".
    bool isSpecial() const;

private:
    std::shared_ptr<colclsDigital> items_;
    QString topkmk_;
    QString functionName_;
};

} // namespace Telva27
