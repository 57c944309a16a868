#include "benchsupport.h"

#include <cstdio>

namespace saltor::bench {

namespace {

// The line end of line number `line`, counted from 1.
QLatin1String lineEnd(LineEnds lineEnds, int line)
{
    const bool lf = (lineEnds == LineEnds::Alternating && line % 2 == 0) || (lineEnds == LineEnds::LfButOne && line != 1);
    return lf ? QLatin1String("\n") : QLatin1String("\r\n");
}

} // namespace

QString scriptOfSize(qsizetype bytes, LineEnds lineEnds)
{
    // 58 characters and CRLF: one 60-byte statement line.
    const QString line = QStringLiteral("tsk%1 = player createSimpleTask [\"Seize the bridge\"];");
    QString text;
    text.reserve(bytes + 64);
    int i = 0;
    while (text.size() < bytes) {
        QString statement = line.arg(i++ % 100000, 5, 10, QLatin1Char('0'));
        statement.resize(58, QLatin1Char(' '));
        text += statement;
        text += lineEnd(lineEnds, i);
    }
    return text;
}

QString shortLines(int count, LineEnds lineEnds)
{
    QString text;
    text.reserve(qsizetype(count) * 4);
    for (int i = 0; i < count; ++i) {
        text += QLatin1String("x;");
        text += lineEnd(lineEnds, i + 1);
    }
    return text;
}

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    for (const Run& run : runs) {
        if (run.iterations > 0)
            m_seconds[run.benchmark_name()] = run.real_accumulated_time / double(run.iterations);
    }
    ConsoleReporter::ReportRuns(runs);
}

double RatioReporter::seconds(const std::string& name) const
{
    const auto it = m_seconds.find(name);
    return it == m_seconds.end() ? 0.0 : it->second;
}

bool RatioReporter::check(const std::string& label, const std::string& a, const std::string& b, double limit) const
{
    const double top = seconds(a);
    const double bottom = seconds(b);
    if (top <= 0 || bottom <= 0) {
        std::printf("%s: not measured in this run\n", label.c_str());
        return true;
    }
    const double ratio = top / bottom;
    if (limit <= 0) {
        std::printf("%s: %s / %s = %.2f\n", label.c_str(), a.c_str(), b.c_str(), ratio);
        return true;
    }
    const bool held = ratio <= limit;
    std::printf("%s: %s / %s = %.2f (limit %.1f) %s\n", label.c_str(), a.c_str(), b.c_str(), ratio, limit,
                held ? "PASS" : "FAIL");
    return held;
}

} // namespace saltor::bench
