#include "bolla/cellvalues.h"

#include "shell/u16string.h"

#include <QDateTime>

namespace bolla {

namespace {

// Italian Windows writes its short date 08/12/2026; Qt's Italian short format
// has a two-digit year.
QString withFullYear(const QString &format)
{
    QString full;
    for (qsizetype i = 0; i < format.size();) {
        qsizetype run = 1;
        while (i + run < format.size() && format.at(i + run) == format.at(i))
            ++run;
        const bool shortYear = format.at(i) == u'y' && run == 2;
        full += shortYear ? QStringLiteral("yyyy") : format.mid(i, run);
        i += run;
    }
    return full;
}

QString shortDate(const QDate &date, const QLocale &locale)
{
    return locale.toString(date, withFullYear(locale.dateFormat(QLocale::ShortFormat)));
}

} // namespace

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

QVariant delivered(const QVariant &value, const edicola::NumberSettings &settings,
                   const QLocale &locale)
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
    case QMetaType::QDate:
        return shortDate(value.toDate(), locale);
    case QMetaType::QDateTime: {
        // Access keeps a date as a date and time at midnight.
        const QDateTime moment = value.toDateTime();
        const QString date = shortDate(moment.date(), locale);
        return moment.time() == QTime(0, 0)
                   ? date
                   : date + u' ' + locale.toString(moment.time(), QLocale::ShortFormat);
    }
    default:
        return value;
    }
}

} // namespace bolla
