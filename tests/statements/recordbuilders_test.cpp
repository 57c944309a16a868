#include "statements/markup.h"
#include "statements/recordstatements.h"

#include <QTest>

using namespace saltor;

class RecordBuildersTest : public QObject {
    Q_OBJECT
private slots:
    void diaryRecordWithoutSection_data();
    void diaryRecordWithoutSection();
    void diaryRecordWithSection_data();
    void diaryRecordWithSection();
    void taskDescription_data();
    void taskDescription();
    void markerMarkup_data();
    void markerMarkup();
    void pictureMarkup_data();
    void pictureMarkup();
};

void RecordBuildersTest::diaryRecordWithoutSection_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("expected");
    QTest::newRow("example") << "player" << "Our recon observed following..."
                             << "player createDiaryRecord [\"Diary\", \"Our recon observed following...\"];\r\n";
    QTest::newRow("blanks only") << " " << "  " << "  createDiaryRecord [\"Diary\", \"  \"];\r\n";
    QTest::newRow("double quote kept") << "player" << "say \"hi\""
                                       << "player createDiaryRecord [\"Diary\", \"say \"hi\"\"];\r\n";
    QTest::newRow("markup kept") << "player" << "a<br /><marker name=\"\"m\"\">x</marker> "
                                 << "player createDiaryRecord [\"Diary\", \"a<br /><marker name=\"\"m\"\">x</marker> \"];\r\n";
    QTest::newRow("two lines") << "player" << "line one\r\nline two"
                               << "player createDiaryRecord [\"Diary\", \"line one\r\nline two\"];\r\n";
}

void RecordBuildersTest::diaryRecordWithoutSection()
{
    QFETCH(QString, unit);
    QFETCH(QString, description);
    QFETCH(QString, expected);
    QCOMPARE(diaryRecordStatement(unit, description), expected);
}

void RecordBuildersTest::diaryRecordWithSection_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("expected");
    QTest::newRow("example") << "player" << "Recon" << "Our recon observed following..."
                             << "player createDiaryRecord [\"Diary\", [\"Recon\", \"Our recon observed following...\"]];\r\n";
    QTest::newRow("blanks only") << " " << " " << " " << "  createDiaryRecord [\"Diary\", [\" \", \" \"]];\r\n";
    QTest::newRow("quotes and brackets") << "p<1>" << "\"S\"" << "<d>"
                                         << "p<1> createDiaryRecord [\"Diary\", [\"\"S\"\", \"<d>\"]];\r\n";
    QTest::newRow("two lines") << "player" << "Basic information" << "one\r\ntwo"
                               << "player createDiaryRecord [\"Diary\", [\"Basic information\", \"one\r\ntwo\"]];\r\n";
}

void RecordBuildersTest::diaryRecordWithSection()
{
    QFETCH(QString, unit);
    QFETCH(QString, section);
    QFETCH(QString, description);
    QFETCH(QString, expected);
    QCOMPARE(diaryRecordSectionStatement(unit, section, description), expected);
}

void RecordBuildersTest::taskDescription_data()
{
    QTest::addColumn<QString>("task");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("waypoint");
    QTest::addColumn<QString>("expected");
    QTest::newRow("example")
        << "tsk1" << "Be quick and precise!" << "Primary objective" << "To target zone"
        << "tsk1 setSimpleTaskDescription [\"Be quick and precise!\", \"Primary objective\", \"To target zone\"];\r\n";
    QTest::newRow("empty waypoint") << "tsk1" << "d" << "t" << ""
                                    << "tsk1 setSimpleTaskDescription [\"d\", \"t\", \"\"];\r\n";
    QTest::newRow("blanks only") << " " << " " << " " << " "
                                 << "  setSimpleTaskDescription [\" \", \" \", \" \"];\r\n";
    QTest::newRow("quotes and brackets") << "t" << "<img image=\"\"a.paa\"\" /> " << "\"T\"" << "<wp>"
                                         << "t setSimpleTaskDescription [\"<img image=\"\"a.paa\"\" /> \", \"\"T\"\", \"<wp>\"];\r\n";
    QTest::newRow("two lines") << "tsk1" << "one\r\ntwo" << "t" << "w"
                               << "tsk1 setSimpleTaskDescription [\"one\r\ntwo\", \"t\", \"w\"];\r\n";
}

void RecordBuildersTest::taskDescription()
{
    QFETCH(QString, task);
    QFETCH(QString, description);
    QFETCH(QString, title);
    QFETCH(QString, waypoint);
    QFETCH(QString, expected);
    QCOMPARE(taskDescriptionStatement(task, description, title, waypoint), expected);
}

void RecordBuildersTest::markerMarkup_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("example") << "enemyBase" << "here is the enemy base"
                             << "<marker name=\"\"enemyBase\"\">here is the enemy base</marker> ";
    QTest::newRow("blanks only") << " " << " " << "<marker name=\"\" \"\"> </marker> ";
    QTest::newRow("quotes and brackets") << "a\"b" << "<b>x</b>"
                                         << "<marker name=\"\"a\"b\"\"><b>x</b></marker> ";
    QTest::newRow("two lines") << "m" << "one\r\ntwo" << "<marker name=\"\"m\"\">one\r\ntwo</marker> ";
}

void RecordBuildersTest::markerMarkup()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(saltor::markerMarkup(name, text), expected);
}

void RecordBuildersTest::pictureMarkup_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("expected");
    QTest::newRow("example") << "myPicture.paa" << "256" << "256"
                             << "<img image=\"\"myPicture.paa\"\" width=\"\"256\"\" height=\"\"256\"\" /> ";
    QTest::newRow("blanks only") << " " << " " << " "
                                 << "<img image=\"\" \"\" width=\"\" \"\" height=\"\" \"\" /> ";
    QTest::newRow("not digits, quotes, brackets") << "a\"b.paa" << "wide" << "<1>"
                                                  << "<img image=\"\"a\"b.paa\"\" width=\"\"wide\"\" height=\"\"<1>\"\" /> ";
}

void RecordBuildersTest::pictureMarkup()
{
    QFETCH(QString, name);
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(QString, expected);
    QCOMPARE(saltor::pictureMarkup(name, width, height), expected);
}

QTEST_APPLESS_MAIN(RecordBuildersTest)
#include "recordbuilders_test.moc"
