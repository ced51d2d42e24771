// Starts a program headless and waits for its first painted frame, then stops it.
// Fails if the program crashed, exited or never painted.
//
// Usage: first-paint [--timeout SECONDS] PROGRAM [ARGUMENTS...]

#include "launch.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char *argv[])
{
    double timeout = 30;
    int first = 1;
    if (argc > 2 && std::strcmp(argv[1], "--timeout") == 0) {
        timeout = std::atof(argv[2]);
        first = 3;
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: %s [--timeout SECONDS] PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    const launch::Result r = launch::run(std::vector<std::string>(argv + first, argv + argc),
                                         launch::Until::FirstPaint, timeout);
    if (!r.ok) {
        std::fprintf(stderr, "first-paint: %s\n", r.failure.c_str());
        return 1;
    }
    std::printf("first-paint: %s painted after %.1f ms, peak resident memory %.1f MiB\n",
                argv[first], r.seconds * 1000, double(r.peakKiB) / 1024);
    return 0;
}
