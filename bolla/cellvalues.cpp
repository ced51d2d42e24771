#include "bolla/cellvalues.h"

#include "shell/u16string.h"

namespace bolla {

std::optional<double> number(const QVariant &value)
{
    bool ok = false;
    double d = 0;
    switch (value.metaType().id()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        d = value.toDouble(&ok);
        break;
    case QMetaType::QString:
        d = value.toString().trimmed().toDouble(&ok);
        break;
    default:
        break;
    }
    return ok ? std::optional<double>(d) : std::nullopt;
}

QString shown(const QVariant &value, const std::optional<edicola::NumberPattern> &pattern,
              const edicola::NumberSettings &settings)
{
    if (value.isNull())
        return {};
    const std::optional<double> n = pattern ? number(value) : std::nullopt;
    if (!n)
        return value.toString();
    return toQString(edicola::patterned(*n, *pattern, settings));
}

QVariant delivered(const QVariant &value, const edicola::NumberSettings &settings)
{
    switch (value.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
        return QString::number(value.toLongLong());
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return QString::number(value.toULongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return toQString(edicola::generalNumber(value.toDouble(), settings));
    default:
        return value;
    }
}

} // namespace bolla
