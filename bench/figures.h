#pragma once

#include "launch.h"

#include <string>
#include <vector>

// What `make bench` prints: the machine, then one row a figure.
namespace figures {

double median(std::vector<double> values);
double percentile(std::vector<double> values, double fraction);

struct Row
{
    std::string measure;
    std::string measured;
    std::string against; // empty: a figure with an absolute goal
    std::string ratio;
    std::string goal;
    bool met = false;
};

class Table
{
public:
    void add(Row row) { m_rows.push_back(std::move(row)); }
    void fail(const std::string &why) { m_failures.push_back(why); }
    bool failed() const { return !m_failures.empty(); }
    void print() const;

private:
    std::vector<Row> m_rows;
    std::vector<std::string> m_failures;
};

// A process started for one side of a comparison.
struct Side
{
    std::string name;
    std::vector<std::string> argv;
    launch::Until until = launch::Until::FirstPaint;
    std::string mark = {}; // for FirstPaintAfterMark
};

// A figure of a comparison and the most the ratio of its first side to its second
// may be; a metric without a name is left out of the table.
struct Metric
{
    std::string name;
    double goal = 0;
};

// Launches a and b in turn, alternating which goes first, for the given rounds
// after two unmeasured ones, and adds a row of time medians and one of peak memory
// medians; each ratio is the median of the rounds' ratios, and the time's overhead
// the median of the rounds' differences.
void compareLaunches(Table &table, const Side &a, const Side &b, const Metric &time,
                     const Metric &memory, int rounds);

std::string formatMilliseconds(double seconds);
std::string formatRatio(double ratio);
// A ratio of times with the overhead beside it: "1.30× (+5.5 ms)".
std::string formatRatio(double ratio, double overheadSeconds);
std::string formatMicroseconds(double seconds);

// A row of timings against an absolute goal: their median, with the 90th
// percentile beside it, each written by `format`.
Row timingRow(const std::string &measure, const std::vector<double> &seconds, double goalSeconds,
              std::string (*format)(double));

// nproc, CPU model, memory, system, Qt and the date, as a Markdown list.
std::string machine();

} // namespace figures
