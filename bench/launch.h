#pragma once

#include <string>
#include <vector>

// Starting a program in a fresh process and timing it from outside: to its first
// painted frame, or to its exit. The program itself has no part in it: the first
// frame is Qt's own "Flushing" message of its widget-painting log category, which
// the child is started with, on the offscreen platform.
namespace launch {

// FirstPaintAfterMark: the first frame after the program writes a line that
// starts with a given mark to stderr (`plicanza --bolla`, when its rows are in).
enum class Until { FirstPaint, Exit, FirstPaintAfterMark };

struct Result
{
    bool ok = false;       // painted, or exited with status 0
    double seconds = 0;    // from just before the process was started
    double firstPaint = 0; // to its first frame, when it paints
    long peakKiB = 0;      // the process's peak resident set
    std::string failure;   // why not ok, with the end of what it wrote to stderr
};

// A process that paints is killed once it has; one that does not finish in time
// is killed and fails.
Result run(const std::vector<std::string> &argv, Until until, double timeoutSeconds = 30,
           const std::string &mark = {});

} // namespace launch
