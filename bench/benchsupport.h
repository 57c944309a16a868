#pragma once

#include <benchmark/benchmark.h>

#include <QString>

#include <map>
#include <string>

namespace saltor::bench {

// A script of 60-character lines ended by CRLF, about `bytes` long; with mixedLineEnds, every
// second line ends in LF instead.
QString scriptOfSize(qsizetype bytes, bool mixedLineEnds = false);

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
