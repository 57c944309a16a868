// The document operations on large documents: appending a statement, Open, Save As and the
// keys that make or join lines, against the bare QPlainTextEdit doing the same.
#include "benchsupport.h"

#include "platform/qtplatform.h"
#include "platform/textcodec.h"
#include "shell/documentbox.h"

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTextCursor>

#include <memory>
#include <string>
#include <type_traits>

#include <sys/stat.h>

using namespace saltor;
using namespace saltor::bench;

namespace {

constexpr qsizetype kKB = 1024;
constexpr qsizetype kMB = 1024 * 1024;

const QString kStatement = QStringLiteral("tsk9 = player createSimpleTask [\"Primary: take the hill\"];\r\n");

void BM_AppendToPreview(benchmark::State& state)
{
    DocumentBox document;
    document.setLineWrapMode(QPlainTextEdit::NoWrap);
    document.setText(scriptOfSize(state.range(0)));
    for (auto _ : state)
        document.append(kStatement);
}
BENCHMARK(BM_AppendToPreview)->Arg(100 * kKB)->Arg(10 * kMB)->Unit(benchmark::kMicrosecond);

// Arguments: the size, and how the lines end (LineEnds: 0 CRLF, 1 alternately CRLF and LF, 2 LF
// but one).
void BM_SetPlainText(benchmark::State& state)
{
    QPlainTextEdit edit;
    edit.setLineWrapMode(QPlainTextEdit::NoWrap);
    const QString text = scriptOfSize(state.range(0), LineEnds(state.range(1)));
    for (auto _ : state)
        edit.setPlainText(text);
}
BENCHMARK(BM_SetPlainText)
    ->Args({10 * kMB, 0})
    ->Args({10 * kMB, 1})
    ->Args({10 * kMB, 2})
    ->Args({50 * kMB, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

// Open's whole work once the path is chosen: read the file, decode it, fill the document.
void BM_Open(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.sqf"));
    QtPlatform platform;
    platform.writeFile(path, scriptOfSize(state.range(0), LineEnds(state.range(1))).toUtf8(), platform.lookUpFile(path));
    DocumentBox document;
    document.setLineWrapMode(QPlainTextEdit::NoWrap);
    for (auto _ : state) {
        const ReadResult read = platform.readFile(path);
        const DecodedText decoded = decodeText(read.bytes);
        document.setText(decoded.text);
        document.setFormat(decoded.format);
    }
}
BENCHMARK(BM_Open)
    ->Args({10 * kMB, 0})
    ->Args({10 * kMB, 1})
    ->Args({10 * kMB, 2})
    ->Args({50 * kMB, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

// One key at the top of a 10 MB document of mixed line ends, then Ctrl+Z: Enter in the first
// line (argument 0) or Backspace joining the first two lines (1). The template argument says
// whether the document's box or a bare QPlainTextEdit takes the keys.
template <typename Box> void BM_KeyAndUndo(benchmark::State& state)
{
    Box box;
    box.setLineWrapMode(QPlainTextEdit::NoWrap);
    box.resize(800, 600);
    box.show();
    const QString text = scriptOfSize(10 * kMB, LineEnds::Alternating);
    if constexpr (std::is_same_v<Box, DocumentBox>)
        box.setText(text);
    else
        box.setPlainText(text);
    const bool join = state.range(0) == 1;
    QTextCursor caret(box.document());
    caret.setPosition(join ? 59 : 10);
    box.setTextCursor(caret);
    QKeyEvent key(QEvent::KeyPress, join ? Qt::Key_Backspace : Qt::Key_Return, Qt::NoModifier,
                  join ? QString() : QStringLiteral("\r"));
    QKeyEvent undo(QEvent::KeyPress, Qt::Key_Z, Qt::ControlModifier, QStringLiteral("z"));
    for (auto _ : state) {
        QApplication::sendEvent(&box, &key);
        QApplication::sendEvent(&box, &undo);
    }
}
BENCHMARK_TEMPLATE(BM_KeyAndUndo, DocumentBox)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_KeyAndUndo, QPlainTextEdit)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

// The documents read below, each made once: 10 MB of 60-character lines (argument 0 and 1) or
// the 4,000,000 short lines Open takes at most (2 and 3), their lines ending in CRLF (even) or
// alternately in CRLF and LF (odd).
DocumentBox& documentToRead(int kind)
{
    static std::unique_ptr<DocumentBox> made[4];
    std::unique_ptr<DocumentBox>& document = made[kind];
    if (!document) {
        document = std::make_unique<DocumentBox>();
        document->setLineWrapMode(QPlainTextEdit::NoWrap);
        const LineEnds lineEnds = kind % 2 == 0 ? LineEnds::CrLf : LineEnds::Alternating;
        document->setText(kind < 2 ? scriptOfSize(10 * kMB, lineEnds) : shortLines(int(kOpenLimitLines), lineEnds));
    }
    return *document;
}

// Reading the whole document with each line's terminator, as Save As, Copy of everything and
// the X11 selection of everything do, against the box's own plain text of it.
void BM_ReadDocument(benchmark::State& state)
{
    const DocumentBox& document = documentToRead(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(document.text());
}
void BM_ToPlainText(benchmark::State& state)
{
    const DocumentBox& document = documentToRead(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(document.toPlainText());
}
BENCHMARK(BM_ReadDocument)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_ToPlainText)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->Iterations(20);

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
    DocumentBox document;
    document.setLineWrapMode(QPlainTextEdit::NoWrap);
    document.setText(scriptOfSize(state.range(0)));
    for (auto _ : state) {
        const EncodedText encoded = encodeText(document.text(), document.format());
        benchmark::DoNotOptimize(platform.writeFile(path, encoded.bytes, platform.lookUpFile(path)).ok);
    }
}
BENCHMARK(BM_SaveAs)->Arg(10 * kMB)->Arg(50 * kMB)->Unit(benchmark::kMillisecond)->Iterations(5);

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
    held = reporter.check("open 10 MB CRLF vs setPlainText", "BM_Open/10485760/0/iterations:5",
                          "BM_SetPlainText/10485760/0/iterations:5", 1.1) && held;
    held = reporter.check("open 10 MB CRLF and LF vs setPlainText", "BM_Open/10485760/1/iterations:5",
                          "BM_SetPlainText/10485760/1/iterations:5", 1.5) && held;
    held = reporter.check("open 10 MB LF but one CRLF vs setPlainText", "BM_Open/10485760/2/iterations:5",
                          "BM_SetPlainText/10485760/2/iterations:5", 1.5) && held;
    reporter.check("open 50 MB vs setPlainText", "BM_Open/52428800/0/iterations:5",
                   "BM_SetPlainText/52428800/0/iterations:5", 2.0);
    reporter.check("save as 10 MB vs setPlainText", "BM_SaveAs/10485760/iterations:5",
                   "BM_SetPlainText/10485760/0/iterations:5", 1.0);
    // Where some line ends differ from the default, reading walks the blocks for what each
    // break's format says: a step per line that the bare text has not.
    const char* const reads[] = {"10 MB CRLF", "10 MB CRLF and LF", "4,000,000 lines CRLF",
                                 "4,000,000 lines CRLF and LF"};
    for (int kind = 0; kind < 4; ++kind) {
        held = reporter.check(std::string("read ") + reads[kind] + " vs toPlainText",
                              "BM_ReadDocument/" + std::to_string(kind) + "/iterations:20",
                              "BM_ToPlainText/" + std::to_string(kind) + "/iterations:20", 2.0)
               && held;
    }
    held = reporter.check("Enter and Undo vs bare box", "BM_KeyAndUndo<DocumentBox>/0",
                          "BM_KeyAndUndo<QPlainTextEdit>/0", 2.0) && held;
    held = reporter.check("Backspace join and Undo vs bare box", "BM_KeyAndUndo<DocumentBox>/1",
                          "BM_KeyAndUndo<QPlainTextEdit>/1", 2.0) && held;
    benchmark::Shutdown();
    return held ? 0 : 1;
}
