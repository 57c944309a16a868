// The document operations on large documents: appending a statement, Open and Save As,
// against the bare QPlainTextEdit::setPlainText of the same text.
#include "benchsupport.h"

#include "platform/qtplatform.h"
#include "platform/textcodec.h"
#include "shell/document.h"

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace saltor;
using namespace saltor::bench;

namespace {

constexpr qsizetype kKB = 1024;
constexpr qsizetype kMB = 1024 * 1024;

const QString kStatement = QStringLiteral("tsk9 = player createSimpleTask [\"Primary: take the hill\"];\r\n");

void BM_AppendToPreview(benchmark::State& state)
{
    QPlainTextEdit edit;
    edit.setLineWrapMode(QPlainTextEdit::NoWrap);
    Document document(&edit);
    document.setText(scriptOfSize(state.range(0)));
    for (auto _ : state)
        document.append(kStatement);
}
BENCHMARK(BM_AppendToPreview)->Arg(100 * kKB)->Arg(10 * kMB)->Unit(benchmark::kMicrosecond);

void BM_SetPlainText(benchmark::State& state)
{
    QPlainTextEdit edit;
    edit.setLineWrapMode(QPlainTextEdit::NoWrap);
    const QString text = scriptOfSize(state.range(0));
    for (auto _ : state)
        edit.setPlainText(text);
}
BENCHMARK(BM_SetPlainText)->Arg(10 * kMB)->Arg(50 * kMB)->Unit(benchmark::kMillisecond)->Iterations(3);

// Open's whole work once the path is chosen: read the file, decode it, fill the document.
void BM_Open(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.sqf"));
    QtPlatform platform;
    platform.writeFile(path, scriptOfSize(state.range(0)).toUtf8());
    QPlainTextEdit edit;
    edit.setLineWrapMode(QPlainTextEdit::NoWrap);
    Document document(&edit);
    for (auto _ : state) {
        const ReadResult read = platform.readFile(path);
        const DecodedText decoded = decodeText(read.bytes);
        document.setText(decoded.text);
        document.setFormat(decoded.format);
    }
}
BENCHMARK(BM_Open)->Arg(10 * kMB)->Arg(50 * kMB)->Unit(benchmark::kMillisecond)->Iterations(3);

// Open's refusal of what it must not read: an endless device, a named pipe (whose opening
// would wait for a writer), a file above the size limit (sparse, so it takes no disk).
void BM_OpenRefused(benchmark::State& state)
{
    QTemporaryDir dir;
    QString path = QStringLiteral("/dev/zero");
    if (state.range(0) == 1) {
        path = dir.filePath(QStringLiteral("pipe.sqf"));
        ::mkfifo(QFile::encodeName(path).constData(), 0644);
    } else if (state.range(0) == 2) {
        path = dir.filePath(QStringLiteral("oversized.sqf"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.resize(kOpenLimitBytes + 1);
    }
    QtPlatform platform;
    for (auto _ : state) {
        const ReadResult read = platform.readFile(path);
        if (read.ok)
            state.SkipWithError("read, not refused");
    }
}
BENCHMARK(BM_OpenRefused)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// Save As's whole work once the path is chosen: read the document, encode, write atomically.
void BM_SaveAs(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.sqf"));
    QtPlatform platform;
    QPlainTextEdit edit;
    edit.setLineWrapMode(QPlainTextEdit::NoWrap);
    Document document(&edit);
    document.setText(scriptOfSize(state.range(0)));
    for (auto _ : state) {
        const EncodedText encoded = encodeText(document.text(), document.format());
        benchmark::DoNotOptimize(platform.writeFile(path, encoded.bytes).ok);
    }
}
BENCHMARK(BM_SaveAs)->Arg(10 * kMB)->Arg(50 * kMB)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    bool held = reporter.check("append 10 MB vs 100 KB", "BM_AppendToPreview/10485760",
                               "BM_AppendToPreview/102400", 3.0);
    held = reporter.check("open 10 MB vs setPlainText", "BM_Open/10485760/iterations:3",
                          "BM_SetPlainText/10485760/iterations:3", 2.0) && held;
    reporter.check("open 50 MB vs setPlainText", "BM_Open/52428800/iterations:3",
                   "BM_SetPlainText/52428800/iterations:3", 2.0);
    reporter.check("save as 10 MB vs setPlainText", "BM_SaveAs/10485760/iterations:3",
                   "BM_SetPlainText/10485760/iterations:3", 1.0);
    benchmark::Shutdown();
    return held ? 0 : 1;
}
