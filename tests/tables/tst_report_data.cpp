// Consistency of the tables window's sample reports. The rows are typed-in
// literals, so these checks look for slips of transcription: wrong counts,
// broken sections or orders, and counts, angles, midpoints and aspects that no
// longer agree with the chart analysis's point table they were printed from.

#include <QHash>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <cmath>
#include <cstdlib>
#include <set>
#include <utility>

#include "reports.h"
#include "tables/report_rows.h"

namespace {


const QStringList kSignModalities{"Cardinal", "Fixed", "Mutable"};
const QStringList kSignElements{"Fire", "Earth", "Air", "Water"};
// The codes of the first fifteen rows of the point table, in that order: the
// all-angles points and the midpoints' points.
const QStringList kAngleAbbr{"Sun", "Moo", "Mer", "Ven", "Mar", "Jup", "Sat", "Ura",
                             "Nep", "Plu", "Asc", "Mid", "MNN", "MSN", "PF "};

// Rows are numbered from 1, as the report numbers them.
QString analysisCell(int row, int col) {
    return QString::fromUtf8(tables::chartAnalysisRows()[std::size_t(row - 1)][std::size_t(col)]);
}

// Sign 0 (Aries) to 11 (Pisces) of a position text such as "23Pis30  (5) ", or -1.
int signOf(const QString& position) {
    const int minutes = testsupport::positionMinutes(position.left(7));
    return minutes < 0 ? -1 : minutes / (30 * 60);
}
int houseOf(const QString& position) { return position.mid(10, position.indexOf(')') - 10).toInt(); }

// "98° 59'" in minutes of arc, or -1 when the text has another form.
int angleMinutes(const QString& text) {
    static const QRegularExpression re(QStringLiteral("^(0|[1-9]\\d{0,2})° ([0-5]\\d)'$"));
    const auto m = re.match(text);
    return m.hasMatch() ? m.captured(1).toInt() * 60 + m.captured(2).toInt() : -1;
}


using testsupport::aspectMinutes;
using testsupport::kCircle;
using testsupport::positionMinutes;
using testsupport::separation;
using testsupport::splitAt;
constexpr int kPoints = 15;

// A point of the table by its code or its name (Konrad Ellmauer's chart: the
// midpoints are printed from it).
int pointIndex(const QString& codeOrName) {
    for (int i = 0; i < kPoints; ++i)
        if (codeOrName == kAngleAbbr[i] || codeOrName == analysisCell(i + 1, 0).trimmed())
            return i;
    return -1;
}

int ellmauerAt(int index) { return positionMinutes(analysisCell(index + 1, 1).left(7)); }

// T.R. Vandell's points as the Arabic-part aspect page lists them.
constexpr std::pair<const char*, const char*> kVandell[] = {
    {"Sun", "16Can36"}, {"Moo", "25Pis36"}, {"Mer", "24Can39"}, {"Ven", "01Can21"},
    {"Mar", "06Gem02"}, {"Jup", "17Sco45"}, {"Sat", "09Leo00"}, {"Ura", "23Gem25"},
    {"Nep", "08Lib08"}, {"Plu", "12Leo10"}, {"Asc", "24Leo37"}, {"Mid", "18Tau48"},
    {"MNN", "01Gem28"}, {"MSN", "01Sag28"}, {"PF ", "03Tau37"},
};

QString vandellAt(const QString& code) {
    for (const auto& [c, pos] : kVandell)
        if (code == QLatin1String(c))
            return QString::fromLatin1(pos);
    return {};
}

}  // namespace

class TestReportData : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { shell::FillVocabulary(); }

    void rowCounts_data() {
        QTest::addColumn<int>("actual");
        QTest::addColumn<int>("expected");
        QTest::newRow("chart analysis") << int(tables::chartAnalysisRows().size()) << 98;
        QTest::newRow("all angles") << int(tables::angleRows().size()) << 104;
        QTest::newRow("arabic parts") << int(tables::arabicPartRows().size()) << 44;
        QTest::newRow("arabic aspects") << int(tables::arabicAspectRows().size()) << 27;
        QTest::newRow("midpoints") << int(tables::midpointRows().size()) << 105;
        QTest::newRow("midpoint aspects") << int(tables::midpointAspectRows().size()) << 28;
    }
    void rowCounts() {
        QFETCH(int, actual);
        QFETCH(int, expected);
        QCOMPARE(actual, expected);
    }

    // Sections hold text on every row and are framed by completely empty rows.
    void sections_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        const std::pair<int, int> ranges[] = {{1, 23},  {25, 26}, {28, 38}, {40, 40}, {42, 42},
                                              {44, 47}, {49, 53}, {55, 56}, {58, 61}, {63, 67},
                                              {69, 69}, {71, 73}, {75, 78}, {80, 98}};
        for (const auto& [first, last] : ranges)
            QTest::addRow("rows %d to %d", first, last) << first << last;
    }
    void sections() {
        QFETCH(int, first);
        QFETCH(int, last);
        for (int row = first; row <= last; ++row)
            QVERIFY2(!analysisCell(row, 0).isEmpty() || !analysisCell(row, 1).isEmpty() ||
                         !analysisCell(row, 2).isEmpty(),
                     qPrintable(QString("row %1 is blank").arg(row)));
        for (int gap : {first - 1, last + 1}) {
            if (gap < 1 || gap > 98) continue;
            for (int col = 0; col < 3; ++col) QCOMPARE(analysisCell(gap, col), QString());
        }
    }

    void pointPositions_data() {
        QTest::addColumn<int>("row");
        for (int row = 1; row <= 23; ++row) QTest::addRow("%s", qPrintable(analysisCell(row, 0).trimmed())) << row;
    }
    void pointPositions() {
        QFETCH(int, row);
        static const QRegularExpression re(QStringLiteral("^[0-2]\\d...[0-5]\\d  \\(([1-9]|1[0-2])\\) $"));
        const QString position = analysisCell(row, 1);
        const auto m = re.match(position);
        QVERIFY2(m.hasMatch(), qPrintable(position));
        QVERIFY2(signOf(position) >= 0, qPrintable(position));
        QVERIFY(QRegularExpression(QStringLiteral("^\\S.*\\S $")).match(analysisCell(row, 0)).hasMatch());
    }

    // Each group shares the ten planets' 12 points (Sun and Moon count double)
    // by sign or house, so the group must agree with the point table.
    void countGroups_data() {
        QTest::addColumn<int>("firstRow");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<bool>("byHouse");
        QTest::newRow("sign modalities") << 45 << kSignModalities << false;
        QTest::newRow("sign elements") << 50 << kSignElements << false;
        QTest::newRow("house modalities") << 59 << QStringList{"Angular", "Succedent", "Cadent"} << true;
        QTest::newRow("house elements") << 64 << QStringList{"Life", "Substance", "Relationships", "Endings"}
                                        << true;
    }
    void countGroups() {
        QFETCH(int, firstRow);
        QFETCH(QStringList, labels);
        QFETCH(bool, byHouse);
        QList<int> recount(labels.size(), 0);
        for (int planet = 1; planet <= 10; ++planet) {
            const QString position = analysisCell(planet, 1);
            const int index = byHouse ? houseOf(position) - 1 : signOf(position);
            QVERIFY2(index >= 0, qPrintable(position));
            recount[index % labels.size()] += planet <= 2 ? 2 : 1;
        }
        QCOMPARE(analysisCell(firstRow - 1, 1), QStringLiteral("Planet Points "));
        QCOMPARE(analysisCell(firstRow - 1, 2), QStringLiteral("Percent "));
        static const QRegularExpression pointsRe(QStringLiteral("^(\\d+) ?$"));
        static const QRegularExpression percentRe(QStringLiteral("^(\\d+) % $"));
        int total = 0;
        for (int k = 0; k < labels.size(); ++k) {
            const int row = firstRow + k;
            QCOMPARE(analysisCell(row, 0), QString(labels[k] + u' '));
            const auto points = pointsRe.match(analysisCell(row, 1));
            const auto percent = percentRe.match(analysisCell(row, 2));
            QVERIFY2(points.hasMatch() && percent.hasMatch(), qPrintable(QString("row %1").arg(row)));
            const int n = points.captured(1).toInt();
            QCOMPARE(n, recount[k]);
            QCOMPARE(percent.captured(1).toInt(), int(std::lround(100.0 * n / 12)));
            total += n;
        }
        QCOMPARE(total, 12);
    }

    void angleRows_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        int index = 0;
        for (int i = 0; i < kAngleAbbr.size(); ++i)
            for (int j = i + 1; j < kAngleAbbr.size(); ++j)
                if (!(kAngleAbbr[i] == "MNN" && kAngleAbbr[j] == "MSN"))
                    QTest::addRow("%s with %s", qPrintable(kAngleAbbr[i]), qPrintable(kAngleAbbr[j].trimmed()))
                        << index++ << i << j;
        QCOMPARE(index, int(tables::angleRows().size()));
    }
    void angleRows() {
        QFETCH(int, index);
        QFETCH(int, first);
        QFETCH(int, second);
        QVERIFY(index < int(tables::angleRows().size()));
        const auto& row = tables::angleRows()[std::size_t(index)];
        const QString name = QString::fromUtf8(row[0]);
        // The second abbreviation keeps its padding, so a PF row ends in "PF ".
        QCOMPARE(name.left(5), QString(kAngleAbbr[first] + QStringLiteral("  ")));
        QCOMPARE(name.right(5), QString(QStringLiteral("  ") + kAngleAbbr[second]));
        QCOMPARE(name.size(), 13);
        const QString code = name.mid(5, 3);

        const int distance = separation(ellmauerAt(first), ellmauerAt(second));
        const int angle = angleMinutes(QString::fromUtf8(row[1]));
        QVERIFY2(angle >= 0 && angle <= 180 * 60, row[1]);
        QVERIFY2(std::abs(angle - distance) <= 1, qPrintable(QString("%1 from positions").arg(distance)));

        if (code == "-->") {
            QCOMPARE(QString::fromUtf8(row[2]), QString());
        } else {
            QVERIFY2(aspectMinutes(code) >= 0, qPrintable(code));
            QCOMPARE(angleMinutes(QString::fromUtf8(row[2])), std::abs(angle - aspectMinutes(code)));
        }
    }

    void angleAspectCount() {
        int aspects = 0;
        for (const auto& row : tables::angleRows())
            aspects += QString::fromUtf8(row[0]).mid(5, 3) != "-->";
        QCOMPARE(aspects, 38);
    }

    void arabicPartsWellFormedAndAlphabetical() {
        QStringList names;
        for (const auto& row : tables::arabicPartRows()) {
            const QString house = QString::fromUtf8(row[2]);
            bool ok = false;
            const int number = house.toInt(&ok);
            QVERIFY2(ok && number >= 1 && number <= 12 && house == QString::number(number), row[0]);
            QVERIFY2(positionMinutes(QString::fromUtf8(row[1])) >= 0, row[0]);
            names << QString::fromUtf8(row[0]);
        }
        // The printed report breaks the alphabet in two places; put those back.
        QCOMPARE(names.mid(22, 3),
                 QStringList({"Love and marriage", "Love and deception by women", "Karma (fate)"}));
        QCOMPARE(names.mid(38, 2), QStringList({"Travel by land", "Travel by air"}));
        names.move(24, 22);
        names.swapItemsAt(23, 24);
        names.swapItemsAt(38, 39);
        for (int i = 1; i < names.size(); ++i)
            QVERIFY2(names[i - 1] < names[i], qPrintable(names[i]));
    }

    void arabicAspectsFitTheChart() {
        QHash<QString, QString> locations;
        for (const auto& row : tables::arabicPartRows())
            locations.insert(QString::fromUtf8(row[0]), QString::fromUtf8(row[1]));
        QString previousPart;
        QMap<QString, int> perAspect;
        for (const auto& row : tables::arabicAspectRows()) {
            ++perAspect[QLatin1String(row[1])];
            const auto [code, pointPos] = splitAt(QString::fromUtf8(row[0]));
            const auto [part, partPos] = splitAt(QString::fromUtf8(row[2]));
            QVERIFY2(code.size() == 3 && pointPos == vandellAt(code), row[0]);
            const int aspect = aspectMinutes(QLatin1String(row[1]));
            const int off = separation(positionMinutes(pointPos), positionMinutes(partPos));
            QVERIFY2(aspect >= 0 && std::abs(off - aspect) <= 60, row[2]);
            QVERIFY2(locations.contains(part), row[2]);
            if (part == QLatin1String("Father")) {
                QCOMPARE(partPos, QStringLiteral("02Leo12"));
                QCOMPARE(locations[part], QStringLiteral("17Vir01"));
            } else {
                QCOMPARE(partPos, locations[part]);
            }
            QVERIFY2(previousPart <= part, row[2]);
            previousPart = part;
        }
        const QMap<QString, int> stated{{"CJN", 4}, {"SQR", 7}, {"TRI", 12}, {"OPP", 4}};
        QCOMPARE(perAspect, stated);
    }

    void midpointsSortedAndEveryPairOnceHalfway() {
        const int north = pointIndex("MNNode");
        const int south = pointIndex("MSNode");
        std::set<std::pair<int, int>> seen;
        const auto rows = tables::midpointRows();
        int ties = 0;
        int previous = 0;  // the table runs from 00Ari00, sorted
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const int shown = positionMinutes(QString::fromUtf8(rows[i][0]));
            QVERIFY2(shown >= previous, rows[i][0]);
            if (i > 0 && shown == previous) {  // one tie, in the report's order
                ++ties;
                QCOMPARE(QString::fromUtf8(rows[i - 1][1]), QStringLiteral("Ascendant/P_Fortune"));
                QCOMPARE(QString::fromUtf8(rows[i][1]), QStringLiteral("Midheaven/MSNode"));
            }
            previous = shown;
            const QStringList pair = QString::fromUtf8(rows[i][1]).split('/');
            QCOMPARE(pair.size(), 2);
            const int a = pointIndex(pair[0]);
            const int b = pointIndex(pair[1]);
            QVERIFY2(a >= 0 && b > a, rows[i][1]);
            QVERIFY2(seen.insert({a, b}).second, rows[i][1]);
            if (a == north && b == south) {
                // The nodes stand opposite: the midpoint is a quarter past the north node.
                QCOMPARE(int(i) + 1, 23);
                QCOMPARE(shown, (ellmauerAt(a) + 90 * 60) % kCircle);
                continue;
            }
            const int pa = ellmauerAt(a);
            const int pb = ellmauerAt(b);
            const int arc = ((pb - pa) % kCircle + kCircle) % kCircle;
            const double half = arc <= kCircle / 2 ? pa + arc / 2.0 : pb + (kCircle - arc) / 2.0;
            const double off = std::fmod(std::abs(shown - half), double(kCircle));
            QVERIFY2(std::min(off, kCircle - off) <= 1.0, rows[i][1]);
        }
        QCOMPARE(int(seen.size()), kPoints * (kPoints - 1) / 2);
        QCOMPARE(ties, 1);
    }

    void midpointAspectsFitTheTables() {
        const QHash<QString, int> angle{{"conjunct", 0}, {"square", 90}, {"opposite", 180}};
        QHash<std::pair<int, int>, QString> midpoints;
        for (const auto& row : tables::midpointRows()) {
            const QStringList pair = QString::fromUtf8(row[1]).split('/');
            midpoints.insert({pointIndex(pair[0]), pointIndex(pair[1])}, QString::fromUtf8(row[0]));
        }
        std::pair<int, int> previous{0, 0};
        for (const auto& row : tables::midpointAspectRows()) {
            const auto [code, pointPos] = splitAt(QString::fromUtf8(row[0]));
            const auto [pairText, midPos] = splitAt(QString::fromUtf8(row[2]));
            const int point = pointIndex(code);
            QVERIFY2(code.size() == 3 && point >= 0, row[0]);
            QCOMPARE(positionMinutes(pointPos), ellmauerAt(point));

            const QStringList pair = pairText.split('/');
            QVERIFY2(pair.size() == 2 && pair[0].size() == 3 && pair[1].size() == 3, row[2]);
            const std::pair<int, int> key{pointIndex(pair[0]), pointIndex(pair[1])};
            QVERIFY2(midpoints.contains(key), row[2]);
            QCOMPARE(midPos, midpoints[key]);

            QVERIFY2(angle.contains(QLatin1String(row[1])), row[1]);
            const int off = separation(ellmauerAt(point), positionMinutes(midPos));
            QVERIFY2(std::abs(off - angle[QLatin1String(row[1])] * 60) <= 60, row[2]);

            // Grouped by point in chart order, then by the midpoint's position.
            const std::pair<int, int> place{point, positionMinutes(midPos)};
            QVERIFY2(previous <= place, row[2]);
            previous = place;
        }
    }

    void fortuneCodeKeepsItsBlank_data() {
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QString>("form");
        const auto column = [](auto rows, int c) {
            QStringList cells;
            for (const auto& row : rows) cells << QString::fromUtf8(row[c]);
            return cells;
        };
        QTest::newRow("arabic aspect points")
            << column(tables::arabicAspectRows(), 0) << QStringLiteral("PF  at ");
        QTest::newRow("midpoint aspect points")
            << column(tables::midpointAspectRows(), 0) << QStringLiteral("PF  at ");
        QTest::newRow("midpoint aspect pairs")
            << column(tables::midpointAspectRows(), 2) << QStringLiteral("/PF  at ");
    }
    void fortuneCodeKeepsItsBlank() {
        QFETCH(QStringList, cells);
        QFETCH(QString, form);
        int found = 0;
        for (const QString& cell : cells) {
            const int pf = cell.indexOf(QLatin1String("PF"));
            if (pf < 0)
                continue;
            ++found;
            QCOMPARE(cell.mid(pf - (form.startsWith('/') ? 1 : 0), form.size()), form);
            QCOMPARE(cell.count(QLatin1String("PF")), 1);
        }
        QVERIFY(found > 0);
    }
};

QTEST_APPLESS_MAIN(TestReportData)
#include "tst_report_data.moc"
