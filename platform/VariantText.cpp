#include "VariantText.h"

#include "RuntimeError.h"

#include <QDateTime>
#include <QLocale>

namespace platform {

QString variantText(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        throw RuntimeError(errInvalidUseOfNull);
    switch (value.typeId()) {
    case QMetaType::Bool: return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Float:
    case QMetaType::Double: return QString::number(value.toDouble(), 'g', 15);
    case QMetaType::QDate: return QLocale::system().toString(value.toDate(), QLocale::ShortFormat);
    case QMetaType::QDateTime: return QLocale::system().toString(value.toDateTime(), QLocale::ShortFormat);
    default: break;
    }
    if (!value.canConvert<QString>())
        throw RuntimeError(errTypeMismatch);
    return value.toString();
}

} // namespace platform
