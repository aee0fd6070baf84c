#pragma once
// One pin of a connector: the number printed on the connector and its signal.

#include <QString>

namespace Telva27 {

class clsStyle {
public:
    const QString& Location() const { return location_; }
    void setLocation(const QString& v) { location_ = v; }
    const QString& PinNo() const { return pinNo_; }
    void setPinNo(const QString& v) { pinNo_ = v; }

private:
    QString pinNo_;
    QString location_;
};

} // namespace Telva27
