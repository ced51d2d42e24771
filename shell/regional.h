#pragma once

#include "core/displayformat.h"

#include <QLocale>
#include <QString>

// The display formats under the user's regional number settings.
edicola::NumberSettings numberSettings(const QLocale &locale = QLocale());

QString showGeneral(double value);
QString showAmount(double value);
