#pragma once

#include "core/displayformat.h"

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

} // namespace bolla
