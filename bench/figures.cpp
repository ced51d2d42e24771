#include "figures.h"

#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sched.h>

namespace figures {

namespace {

std::string format(const char *pattern, double value)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, pattern, value);
    return buf;
}

std::string ratio(double r)
{
    return format("%.2f×", r);
}

// The value of "key<blanks>: value" in a /proc file.
std::string procField(const char *file, const std::string &key)
{
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(key, 0) != 0)
            continue;
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos)
            continue;
        std::string value = line.substr(colon + 1);
        value.erase(0, value.find_first_not_of(" \t"));
        return value;
    }
    return "unknown";
}

std::string osName()
{
    std::ifstream in("/etc/os-release");
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("PRETTY_NAME=", 0) == 0) {
            std::string name = line.substr(12);
            name.erase(std::remove(name.begin(), name.end(), '"'), name.end());
            return name;
        }
    }
    return "unknown";
}

} // namespace

double median(std::vector<double> values)
{
    return percentile(std::move(values), 0.5);
}

double percentile(std::vector<double> values, double fraction)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const double at = fraction * double(values.size() - 1);
    const std::size_t below = std::size_t(at);
    if (below + 1 >= values.size())
        return values.back();
    return values[below] + (at - double(below)) * (values[below + 1] - values[below]);
}

std::string formatMilliseconds(double seconds)
{
    return format("%.1f ms", seconds * 1e3);
}

std::string formatRatio(double r)
{
    return ratio(r);
}

std::string formatRatio(double r, double overheadSeconds)
{
    return ratio(r) + format(" (%+.1f ms)", overheadSeconds * 1e3);
}

Row timingRow(const std::string &measure, const std::vector<double> &seconds, double goalSeconds,
              std::string (*format)(double))
{
    const double m = median(seconds);
    return {measure + " (median of " + std::to_string(seconds.size()) + ")",
            format(m) + " (90th percentile " + format(percentile(seconds, 0.9)) + ")",
            "",
            "",
            "< " + format(goalSeconds),
            m < goalSeconds};
}

std::string formatMicroseconds(double seconds)
{
    return format("%.1f µs", seconds * 1e6);
}

void Table::print() const
{
    std::printf("| benchmark | measured | against | ratio | goal | met |\n");
    std::printf("| --- | --- | --- | --- | --- | --- |\n");
    for (const Row &r : m_rows) {
        std::printf("| %s | %s | %s | %s | %s | %s |\n", r.measure.c_str(), r.measured.c_str(),
                    r.against.empty() ? "—" : r.against.c_str(),
                    r.ratio.empty() ? "—" : r.ratio.c_str(), r.goal.c_str(), r.met ? "yes" : "no");
    }
    for (const std::string &f : m_failures)
        std::printf("\nnot measured: %s\n", f.c_str());
}

void compareLaunches(Table &table, const Side &a, const Side &b, const Metric &time,
                     const Metric &memory, int rounds)
{
    std::vector<double> seconds[2], mebibytes[2], timeRatios, overheads, memoryRatios;
    const Side *sides[2] = {&a, &b};
    constexpr int kUnmeasured = 2;
    for (int round = 0; round < kUnmeasured + rounds; ++round) {
        launch::Result results[2];
        for (int turn = 0; turn < 2; ++turn) {
            const int side = (round % 2) ^ turn;
            results[side] =
                launch::run(sides[side]->argv, sides[side]->until, 30, sides[side]->mark);
            if (!results[side].ok) {
                table.fail(sides[side]->name + ": " + results[side].failure);
                return;
            }
        }
        if (round < kUnmeasured)
            continue;
        for (int side = 0; side < 2; ++side) {
            seconds[side].push_back(results[side].seconds);
            mebibytes[side].push_back(double(results[side].peakKiB) / 1024);
        }
        timeRatios.push_back(results[0].seconds / results[1].seconds);
        overheads.push_back(results[0].seconds - results[1].seconds);
        memoryRatios.push_back(double(results[0].peakKiB) / double(results[1].peakKiB));
    }

    const std::string ofRounds = " (median of " + std::to_string(rounds) + ")";
    if (!time.name.empty()) {
        const double r = median(timeRatios);
        table.add({time.name + ofRounds, a.name + " " + formatMilliseconds(median(seconds[0])),
                   b.name + " " + formatMilliseconds(median(seconds[1])),
                   formatRatio(r, median(overheads)), "≤ " + ratio(time.goal), r <= time.goal});
    }
    if (!memory.name.empty()) {
        const double r = median(memoryRatios);
        table.add({memory.name + ofRounds, a.name + " " + format("%.1f MiB", median(mebibytes[0])),
                   b.name + " " + format("%.1f MiB", median(mebibytes[1])), ratio(r),
                   "≤ " + ratio(memory.goal), r <= memory.goal});
    }
}

std::string machine()
{
    const std::time_t now = std::time(nullptr);
    char date[32];
    std::strftime(date, sizeof date, "%Y-%m-%d %H:%M UTC", std::gmtime(&now));
    const std::string kib = procField("/proc/meminfo", "MemTotal");
    const double gib = std::atof(kib.c_str()) / (1024.0 * 1024.0);
    cpu_set_t cpus;
    const int cores = sched_getaffinity(0, sizeof cpus, &cpus) == 0 ? CPU_COUNT(&cpus) : 0;
    return "- machine: " + std::to_string(cores) + " cores (nproc), " +
           procField("/proc/cpuinfo", "model name") + ", " + format("%.1f GiB", gib) +
           " memory\n- system: " + osName() + ", Qt " + qVersion() + "\n- date: " + date + "\n";
}

} // namespace figures
