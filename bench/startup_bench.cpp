// Start-up to the first shown main window, against a bare QMainWindow of the same size.
// Uses the display when there is one (run it under Xvfb for a real window system), else offscreen.
#include "benchsupport.h"

#include "app/formtable.h"
#include "platform/qtplatform.h"
#include "shell/editor.h"
#include "shell/mainwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QWindow>

using namespace saltor;
using namespace saltor::bench;

namespace {

// Shows window and waits until the window system has exposed it.
void showAndWait(QWidget& window)
{
    window.show();
    QElapsedTimer timer;
    timer.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

void BM_StartEditor(benchmark::State& state)
{
    for (auto _ : state) {
        QtPlatform platform;
        Editor editor(platform);
        registerForms(editor);
        showAndWait(editor.main());
    }
}
BENCHMARK(BM_StartEditor)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_BareWindow(benchmark::State& state)
{
    for (auto _ : state) {
        QMainWindow window;
        window.resize(954, 600);
        showAndWait(window);
    }
}
BENCHMARK(BM_BareWindow)->Unit(benchmark::kMillisecond)->MinTime(1.0);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.check("start-up vs bare window", "BM_StartEditor/min_time:1.000", "BM_BareWindow/min_time:1.000", 0);
    benchmark::Shutdown();
    return 0;
}
