#pragma once

#include "figures.h"

// The work of one click on Calcola in each calculator window, in this process.
namespace calcola {

void measure(figures::Table &table, int clicks);

} // namespace calcola
