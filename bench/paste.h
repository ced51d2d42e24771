#pragma once

#include "figures.h"

// Pasting texts as long as an entry field takes, in this process.
namespace paste {

void measure(figures::Table &table, int pastes);

} // namespace paste
