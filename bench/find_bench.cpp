// Find over large documents, against a bare case-insensitive QString::lastIndexOf over the
// same text. Runs offscreen unless a platform is set.

#include "platform/qtplatform.h"
#include "shell/documentbox.h"
#include "shell/editor.h"
#include "shell/mainwindow.h"

#include "benchsupport.h"

#include <QApplication>
#include <QMap>

#include <benchmark/benchmark.h>

#include <memory>

using namespace saltor;

namespace {

// A document of about `megabytes` MB of 60-character lines ended by CRLF, holding the word
// "Guglovo" only in its third line.
QString makeDocument(int megabytes)
{
    const qsizetype target = qsizetype(megabytes) * 1024 * 1024;
    QString text;
    text.reserve(target + 64);
    for (int line = 0; text.size() < target; ++line) {
        QString row = line == 2 ? QStringLiteral("createSimpleTask [\"tsk%1\", player, \"Seize Guglovo\"];")
                                : QStringLiteral("taskHint [\"Primary task %1: reach the bridge\", [1,1,1,1]];");
        row = row.arg(line).leftJustified(60, QLatin1Char(' '), true);
        text += row;
        text += QStringLiteral("\r\n");
    }
    return text;
}

// The real platform, except that the Find box answers with the text set beforehand.
class ScriptedFind : public QtPlatform {
public:
    QString answer;
    QString inputBox(const QString& prompt) override
    {
        Q_UNUSED(prompt);
        return answer;
    }
};

// One program per document size, kept for every benchmark of that size.
struct Setup {
    ScriptedFind platform;
    Editor editor{platform};
    QString text;
};

QMap<int, std::shared_ptr<Setup>> setups;

Setup& setup(int megabytes)
{
    std::shared_ptr<Setup>& found = setups[megabytes];
    if (!found) {
        found = std::make_shared<Setup>();
        found->editor.main().show();
        found->editor.main().textPreview()->setText(makeDocument(megabytes));
        found->text = found->editor.main().textPreview()->text();
    }
    return *found;
}

QString needle(int which)
{
    return which == 0 ? QStringLiteral("GUGLOVO") : QStringLiteral("Seize the bridge");
}

void setLabel(benchmark::State& state)
{
    state.SetLabel(state.range(1) == 0 ? "near the start" : "not found");
}

void BM_LastIndexOf(benchmark::State& state)
{
    Setup& s = setup(int(state.range(0)));
    const QString search = needle(int(state.range(1)));
    for (auto _ : state)
        benchmark::DoNotOptimize(s.text.lastIndexOf(search, -1, Qt::CaseInsensitive));
    setLabel(state);
}

// The Find command as the menu runs it, the box answering with the text.
void BM_Find(benchmark::State& state)
{
    Setup& s = setup(int(state.range(0)));
    s.platform.answer = needle(int(state.range(1)));
    for (auto _ : state)
        s.editor.main().mnuFind_Click();
    setLabel(state);
}

void sizes(benchmark::internal::Benchmark* b)
{
    b->ArgNames({"MB", "case"})->Args({1, 0})->Args({1, 1})->Args({10, 0})->Args({10, 1});
    b->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_LastIndexOf)->Apply(sizes);
BENCHMARK(BM_Find)->Apply(sizes);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    saltor::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    bool held = true;
    for (const char* which : {"0", "1"}) {
        const std::string suffix = std::string("/MB:10/case:") + which;
        held = reporter.check(std::string("Find 10 MB case ") + which + " vs lastIndexOf",
                              "BM_Find" + suffix, "BM_LastIndexOf" + suffix, 2.0) && held;
    }
    benchmark::Shutdown();
    setups.clear();
    return held ? 0 : 1;
}
