#pragma once

#include "figures.h"

// The delivery-note viewer on large SQLite databases made for the run.
namespace viewer {

// Opening the viewer to its first paint and to its first rows, against a bare Qt
// window plus the sqlite3 shell running the same query on the same file; and
// the viewer's peak memory with many rows of the day against few.
void measure(figures::Table &table, int rounds);

} // namespace viewer
