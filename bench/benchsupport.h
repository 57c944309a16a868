#pragma once

#include <benchmark/benchmark.h>

#include <QString>

#include <map>
#include <string>

namespace saltor::bench {

// How the lines of a script end: all in CRLF, alternately in CRLF and LF, or all in LF but one
// in CRLF (so that every line end but one differs from the default).
enum class LineEnds { CrLf, Alternating, LfButOne };

// A script of 60-character lines, about `bytes` long.
QString scriptOfSize(qsizetype bytes, LineEnds lineEnds = LineEnds::CrLf);
// A script of `count` lines of two characters.
QString shortLines(int count, LineEnds lineEnds);

// Prints the console report and keeps each benchmark's real time per iteration (seconds),
// so ratios between benchmarks of one run can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;
    double seconds(const std::string& name) const;
    // Prints "label: a / b = ratio (limit x) PASS|FAIL"; returns whether it held. A limit of 0
    // only reports the ratio.
    bool check(const std::string& label, const std::string& a, const std::string& b, double limit) const;

private:
    std::map<std::string, double> m_seconds;
};

} // namespace saltor::bench
