// The page texts of overview.html and briefing.html, byte for byte.
#include "extras/briefingpage.h"
#include "extras/overviewpage.h"

#include <QTest>

using namespace saltor;

Q_DECLARE_METATYPE(saltor::BriefingSections)

namespace {

// Lines joined by CRLF; the last line ends the text.
QString joined(const QStringList& lines)
{
    return lines.join(QStringLiteral("\r\n"));
}

const QStringList kOverviewHead = {
    "<html>", "\t<head>", "\t\t<title>Overview</title>", "\t</head>", "\t<body bgcolor=\"#FFFFFF\">",
};
const QStringList kOverviewTail = {"\t</body>", "</html>"};

const QStringList kBriefingHead = {
    "<html>", "<head>", "\t<title>Briefing</title>", "</head>", "<body>", "", "<!-- Notes -->",
    "\t<h2><a name=\"Main\"></a></h2>", "\t<h6></h6>", "\t<hr />", "", "<!-- Briefing -->",
    "\t<h2><a name=\"Plan\"></a></h2>", "\t<hr />", "", "<!-- Debriefing -->",
};

BriefingSections onlySection(int index, const QString& title, const QString& description)
{
    BriefingSections sections;
    sections[index] = {true, title, description};
    return sections;
}

} // namespace

class PageBuildersTest : public QObject {
    Q_OBJECT
private slots:
    void overviewPageLayouts_data();
    void overviewPageLayouts();
    void overviewLineBreakCounts_data();
    void overviewLineBreakCounts();
    void overviewWithNeitherOptionIsEmpty();

    void briefingPageLines_data();
    void briefingPageLines();
    void briefingSectionAnchors_data();
    void briefingSectionAnchors();
};

void PageBuildersTest::overviewPageLayouts_data()
{
    QTest::addColumn<bool>("picture");
    QTest::addColumn<bool>("description");
    QTest::addColumn<QStringList>("boxes"); // Text1, Text2, Text3, Text4
    QTest::addColumn<QStringList>("body");  // the lines between head and tail

    const QStringList filled = {"pics/map.jpg", "256", "128", "Take the hill."};
    QTest::newRow("both") << true << true << filled
        << QStringList{"\t\t<p align=\"center\"><img src=\"pics/map.jpg\" width=\"256\" height=\"128\"></p>",
                       "\t\t<p>Take the hill.</p>"};
    QTest::newRow("picture only") << true << false << filled
        << QStringList{"\t\t<p align=\"center\"><img src=\"pics/map.jpg\" width=\"256\" height=\"128\"></p>"};
    QTest::newRow("description only") << false << true << filled << QStringList{"\t\t<p>Take the hill.</p>"};
    QTest::newRow("empty boxes") << true << true << QStringList{"", "", "", ""}
        << QStringList{"\t\t<p align=\"center\"><img src=\"\" width=\"\" height=\"\"></p>", "\t\t<p></p>"};
    QTest::newRow("two-line description") << false << true << QStringList{"", "", "", "One<br />\r\nTwo"}
        << QStringList{"\t\t<p>One<br />", "Two</p>"};
    QTest::newRow("markup characters unchanged") << true << true
        << QStringList{"a&b.jpg", "\"wide\"", "<h>", "Tom & \"Jerry\" <i>x</i> "}
        << QStringList{"\t\t<p align=\"center\"><img src=\"a&b.jpg\" width=\"\"wide\"\" height=\"<h>\"></p>",
                       "\t\t<p>Tom & \"Jerry\" <i>x</i> </p>"};
}

void PageBuildersTest::overviewPageLayouts()
{
    QFETCH(bool, picture);
    QFETCH(bool, description);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, body);

    const OverviewContent content{picture, description, boxes[0], boxes[1], boxes[2], boxes[3]};
    QCOMPARE(overviewPage(content), joined(kOverviewHead + body + kOverviewTail));
}

void PageBuildersTest::overviewLineBreakCounts_data()
{
    QTest::addColumn<bool>("picture");
    QTest::addColumn<bool>("description");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("crlfs");
    QTest::addColumn<int>("tabs");

    QTest::newRow("both") << true << true << 9 << 8 << 10;
    QTest::newRow("picture only") << true << false << 8 << 7 << 8;
    QTest::newRow("description only") << false << true << 8 << 7 << 8;
}

void PageBuildersTest::overviewLineBreakCounts()
{
    QFETCH(bool, picture);
    QFETCH(bool, description);
    QFETCH(int, lines);
    QFETCH(int, crlfs);
    QFETCH(int, tabs);

    const QString page = overviewPage({picture, description, "p.jpg", "1", "2", "text"});
    QCOMPARE(page.split(QStringLiteral("\r\n")).size(), lines);
    QCOMPARE(int(page.count(QStringLiteral("\r\n"))), crlfs);
    QCOMPARE(int(page.count(QLatin1Char('\n'))), crlfs); // no bare line feeds
    QCOMPARE(int(page.count(QLatin1Char('\t'))), tabs);
    QVERIFY(page.endsWith(QStringLiteral("</html>")));
}

void PageBuildersTest::overviewWithNeitherOptionIsEmpty()
{
    QCOMPARE(overviewPage({false, false, "p.jpg", "1", "2", "text"}), QString());
}

void PageBuildersTest::briefingPageLines_data()
{
    QTest::addColumn<BriefingSections>("sections");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("End1 example") << onlySection(0, "Victory", "All objectives taken.")
        << kBriefingHead + QStringList{"<br />", "<h2><p><a name=\"Debriefing:End1\">Victory</a></p></h2>",
                                       "<br />", "\t<p>All objectives taken.</p>", "<br />", "<hr />", "",
                                       "", "\t", "\t", "\t", "\t", "\t", "\t", "</body>", "</html>"};
    QTest::newRow("all unticked") << BriefingSections{}
        << kBriefingHead + QStringList{"", "\t", "\t", "\t", "\t", "\t", "\t", "\t", "</body>", "</html>"};
    QTest::newRow("only Loose") << onlySection(6, "Lost", "Retreat.")
        << kBriefingHead + QStringList{"", "\t", "\t", "\t", "\t", "\t",
                                       "\t<br />", "<h2><p><a name=\"Debriefing:Loose\">Lost</a></p></h2>",
                                       "<br />", "\t<p>Retreat.</p>", "<br />", "<hr />", "",
                                       "", "</body>", "</html>"};
    QTest::newRow("empty boxes") << onlySection(0, "", "")
        << kBriefingHead + QStringList{"<br />", "<h2><p><a name=\"Debriefing:End1\"></a></p></h2>",
                                       "<br />", "\t<p></p>", "<br />", "<hr />", "",
                                       "", "\t", "\t", "\t", "\t", "\t", "\t", "</body>", "</html>"};
    QTest::newRow("two-line description") << onlySection(0, "T", "first line\r\nsecond line")
        << kBriefingHead + QStringList{"<br />", "<h2><p><a name=\"Debriefing:End1\">T</a></p></h2>",
                                       "<br />", "\t<p>first line", "second line</p>", "<br />", "<hr />", "",
                                       "", "\t", "\t", "\t", "\t", "\t", "\t", "</body>", "</html>"};
    QTest::newRow("markup characters unchanged") << onlySection(0, "<b>A & \"B\"</b>", "x < y && \"z\" > 0")
        << kBriefingHead + QStringList{"<br />", "<h2><p><a name=\"Debriefing:End1\"><b>A & \"B\"</b></a></p></h2>",
                                       "<br />", "\t<p>x < y && \"z\" > 0</p>", "<br />", "<hr />", "",
                                       "", "\t", "\t", "\t", "\t", "\t", "\t", "</body>", "</html>"};
}

void PageBuildersTest::briefingPageLines()
{
    QFETCH(BriefingSections, sections);
    QFETCH(QStringList, lines);

    QCOMPARE(briefingPage(sections), joined(lines));
}

void PageBuildersTest::briefingSectionAnchors_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<QString>("anchor");

    const char* anchors[] = {"End1", "End2", "End3", "End4", "End5", "End6", "Loose"};
    for (int i = 0; i < kBriefingSectionCount; ++i)
        QTest::newRow(anchors[i]) << i << QStringLiteral("Debriefing:") + QLatin1String(anchors[i]);
}

void PageBuildersTest::briefingSectionAnchors()
{
    QFETCH(int, section);
    QFETCH(QString, anchor);

    const QStringList lines = briefingPage(onlySection(section, "Title", "Text")).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 32);
    // Block first line: the TAB of the inactive piece before it indents it.
    const int first = 16 + section;
    QCOMPARE(lines[first], section == 0 ? QStringLiteral("<br />") : QStringLiteral("\t<br />"));
    QCOMPARE(lines[first + 1], QStringLiteral("<h2><p><a name=\"%1\">Title</a></p></h2>").arg(anchor));
    QCOMPARE(lines[first + 3], QStringLiteral("\t<p>Text</p>"));
    QCOMPARE(lines.mid(lines.size() - 2), (QStringList{"</body>", "</html>"}));
}

QTEST_GUILESS_MAIN(PageBuildersTest)
#include "pagebuilders_test.moc"
