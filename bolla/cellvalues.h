#pragma once

#include "core/displayformat.h"

#include <QLocale>
#include <QString>
#include <QVariant>

#include <optional>

namespace bolla {

// A value as a number, if it is one: database numbers, or text that reads as
// one in the database's own notation.
std::optional<double> number(const QVariant &value);

// The value shown through a number pattern; what is not a number shows as it is.
QString shown(const QVariant &value, const std::optional<edicola::NumberPattern> &pattern,
              const edicola::NumberSettings &settings);

// A value as the database delivers it, for a column with no format of its own:
// whole numbers whole, other numbers in the general number format (up to 15
// significant digits, the regional decimal separator, no grouping); dates in
// the locale's short format with the year in full, a time only when there is
// one; text and the rest as the grid shows them.
QVariant delivered(const QVariant &value, const edicola::NumberSettings &settings,
                   const QLocale &locale);

} // namespace bolla
