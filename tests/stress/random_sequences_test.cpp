#include "sequence.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMap>
#include <QTest>

using namespace saltor::stress;

namespace {

// Enough sequences to reach every dialog, markup dialog and file command many times over. All of
// them in one run take over a minute; ctest plays them in slices of seeds (CMakeLists.txt).
constexpr int kDefaultSequences = 2000;

QtMessageHandler previousHandler = nullptr;

// The offscreen platform cannot raise windows, and QTest warns of every key or click that no
// widget takes (a disabled one, Esc in the About box): both say nothing here.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg
        && (message.contains(QLatin1String("does not support raise()"))
            || message.contains(QLatin1String("not accepted by receiving widget"))))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
}

int environmentNumber(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

} // namespace

// Thousands of random sequences of user actions through the real forms, each checked step by
// step against a model of what must hold. SALTOR_STRESS_SEED=<n> replays one sequence and
// prints its actions; SALTOR_STRESS_FIRST and SALTOR_STRESS_COUNT choose another range.
class RandomSequencesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void randomSequencesKeepTheRules();
};

void RandomSequencesTest::initTestCase()
{
    previousHandler = qInstallMessageHandler(quietHandler);
}

void RandomSequencesTest::cleanupTestCase()
{
    qInstallMessageHandler(previousHandler);
}

void RandomSequencesTest::randomSequencesKeepTheRules()
{
    QList<quint32> seeds;
    if (qEnvironmentVariableIsSet("SALTOR_STRESS_SEED")) {
        seeds.append(quint32(environmentNumber("SALTOR_STRESS_SEED", 1)));
    } else {
        const int first = environmentNumber("SALTOR_STRESS_FIRST", 1);
        const int count = environmentNumber("SALTOR_STRESS_COUNT", kDefaultSequences);
        for (int i = 0; i < count; ++i)
            seeds.append(quint32(first + i));
    }
    const bool replay = qEnvironmentVariableIsSet("SALTOR_STRESS_SEED");

    QElapsedTimer timer;
    timer.start();
    QMap<QString, int> totals;
    QStringList failures;
    QList<quint32> failedSeeds;
    int steps = 0;
    for (const quint32 seed : std::as_const(seeds)) {
        Sequence sequence(seed, replay);
        const bool kept = sequence.play();
        steps += sequence.stepsPlayed();
        for (auto it = sequence.counts().cbegin(); it != sequence.counts().cend(); ++it)
            totals[it.key()] += it.value();
        qInfo("seed %u: %d steps, %s", seed, sequence.stepsPlayed(), kept ? "all rules held" : "BROKE A RULE");
        if (!kept) {
            failedSeeds.append(seed);
            if (failures.size() < 3)
                failures.append(sequence.failure());
            else
                qWarning("%s", qPrintable(sequence.failure().section(QLatin1Char('\n'), 0, 0)));
        }
    }

    qInfo("%lld sequences, %d steps in %.1f s", qlonglong(seeds.size()), steps, double(timer.elapsed()) / 1000.0);
    for (auto it = totals.cbegin(); it != totals.cend(); ++it)
        qInfo("  %6d  %s", it.value(), qPrintable(it.key()));

    if (!failedSeeds.isEmpty()) {
        QStringList seedList;
        for (const quint32 seed : std::as_const(failedSeeds).mid(0, 20))
            seedList.append(QString::number(seed));
        QFAIL(qPrintable(QStringLiteral("%1 of %2 sequences broke a rule (seeds %3%4); replay one with "
                                        "SALTOR_STRESS_SEED=<seed>.\n%5")
                             .arg(failedSeeds.size())
                             .arg(seeds.size())
                             .arg(seedList.join(QStringLiteral(", ")),
                                  failedSeeds.size() > 20 ? QStringLiteral(", ...") : QString(),
                                  failures.join(QStringLiteral("\n\n")))));
    }
}

// QTEST_MAIN, but without QTest's cap on printed messages: every seed is printed.
int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    RandomSequencesTest test;
    QStringList arguments = QApplication::arguments();
    arguments << QStringLiteral("-maxwarnings") << QStringLiteral("0");
    return QTest::qExec(&test, arguments);
}

#include "random_sequences_test.moc"
