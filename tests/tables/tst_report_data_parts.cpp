// Consistency of the Arabic-part and midpoint sample reports. The rows are
// literals, so these checks look for transcription slips: wrong counts, broken
// orders, positions that no longer fit the charts they were printed from.

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>
#include <utility>

#include "reports.h"
#include "tables/report_rows.h"

namespace {

using testsupport::kCircle;
using testsupport::separation;
using testsupport::splitAt;
const auto arcMinutes = [](const QString& text) { return testsupport::positionMinutes(text); };

struct Point {
    const char* code;
    const char* name;
    const char* position;  // as the chart analysis report prints it
};

// Konrad Ellmauer's chart, from the chart analysis report: the midpoint order of points.
constexpr Point kEllmauer[] = {
    {"Sun", "Sun", "23Pis30"},    {"Moo", "Moon", "14Sag32"},      {"Mer", "Mercury", "03Ari09"},
    {"Ven", "Venus", "17Ari00"},  {"Mar", "Mars", "26Cap56"},      {"Jup", "Jupiter", "27Aqu30"},
    {"Sat", "Saturn", "04Ari11"}, {"Ura", "Uranus", "01Vir17"},    {"Nep", "Neptune", "07Tau53"},
    {"Plu", "Pluto", "24Tau44"},  {"Asc", "Ascendant", "11Can39"}, {"Mid", "Midheaven", "12Pis50"},
    {"MNN", "MNNode", "01Aqu29"}, {"MSN", "MSNode", "01Leo29"},    {"PF ", "P_Fortune", "02Ari40"},
};
constexpr int kPoints = 15;

// T.R. Vandell's points as the Arabic-part aspect page lists them.
constexpr std::pair<const char*, const char*> kVandell[] = {
    {"Sun", "16Can36"}, {"Moo", "25Pis36"}, {"Mer", "24Can39"}, {"Ven", "01Can21"},
    {"Mar", "06Gem02"}, {"Jup", "17Sco45"}, {"Sat", "09Leo00"}, {"Ura", "23Gem25"},
    {"Nep", "08Lib08"}, {"Plu", "12Leo10"}, {"Asc", "24Leo37"}, {"Mid", "18Tau48"},
    {"MNN", "01Gem28"}, {"MSN", "01Sag28"}, {"PF ", "03Tau37"},
};

int pointIndex(const QString& codeOrName) {
    for (int i = 0; i < kPoints; ++i)
        if (codeOrName == QLatin1String(kEllmauer[i].code) ||
            codeOrName == QLatin1String(kEllmauer[i].name))
            return i;
    return -1;
}

int ellmauerAt(int index) {
    return arcMinutes(QString::fromLatin1(kEllmauer[index].position));
}

QString vandellAt(const QString& code) {
    for (const auto& [c, pos] : kVandell)
        if (code == QLatin1String(c))
            return QString::fromLatin1(pos);
    return {};
}

}  // namespace

class TestPartsData : public QObject {
    Q_OBJECT

private slots:
    void rowCounts_data() {
        QTest::addColumn<int>("actual");
        QTest::addColumn<int>("expected");
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

    void arabicPartsWellFormedAndAlphabetical() {
        QStringList names;
        for (const auto& row : tables::arabicPartRows()) {
            const QString house = QString::fromUtf8(row[2]);
            bool ok = false;
            const int number = house.toInt(&ok);
            QVERIFY2(ok && number >= 1 && number <= 12 && house == QString::number(number), row[0]);
            QVERIFY2(arcMinutes(QString::fromUtf8(row[1])) >= 0, row[0]);
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

    void arabicAspectCodeCounts_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("count");
        QTest::newRow("conjunct") << "CJN" << 4;
        QTest::newRow("square") << "SQR" << 7;
        QTest::newRow("trine") << "TRI" << 12;
        QTest::newRow("opposite") << "OPP" << 4;
    }
    void arabicAspectCodeCounts() {
        QFETCH(QString, code);
        QFETCH(int, count);
        const auto rows = tables::arabicAspectRows();
        QCOMPARE(std::count_if(rows.begin(), rows.end(),
                               [&](const auto& r) { return code == QLatin1String(r[1]); }),
                 count);
    }

    void arabicAspectsFitTheChart() {
        const QHash<QString, int> angle{{"CJN", 0}, {"SQR", 90}, {"TRI", 120}, {"OPP", 180}};
        QHash<QString, QString> locations;
        for (const auto& row : tables::arabicPartRows())
            locations.insert(QString::fromUtf8(row[0]), QString::fromUtf8(row[1]));
        QString previousPart;
        for (const auto& row : tables::arabicAspectRows()) {
            const auto [code, pointPos] = splitAt(QString::fromUtf8(row[0]));
            const auto [part, partPos] = splitAt(QString::fromUtf8(row[2]));
            QVERIFY2(code.size() == 3 && pointPos == vandellAt(code), row[0]);
            QVERIFY2(angle.contains(QLatin1String(row[1])), row[1]);
            const int off = separation(arcMinutes(pointPos), arcMinutes(partPos));
            QVERIFY2(std::abs(off - angle[QLatin1String(row[1])] * 60) <= 60, row[2]);
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
    }

    void midpointsSortedWithOneTie() {
        const auto rows = tables::midpointRows();
        int ties = 0;
        int previous = 0;  // the table runs from 00Ari00
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const int pos = arcMinutes(QString::fromUtf8(rows[i][0]));
            QVERIFY2(pos >= previous, rows[i][0]);
            if (i > 0 && pos == previous) {
                ++ties;
                QCOMPARE(QString::fromUtf8(rows[i][0]), QStringLiteral("22Tau09"));
                QCOMPARE(QString::fromUtf8(rows[i - 1][1]), QStringLiteral("Ascendant/P_Fortune"));
                QCOMPARE(QString::fromUtf8(rows[i][1]), QStringLiteral("Midheaven/MSNode"));
            }
            previous = pos;
        }
        QCOMPARE(ties, 1);
    }

    void midpointsCoverEveryPairOnceHalfway() {
        const int north = pointIndex("MNNode");
        const int south = pointIndex("MSNode");
        std::set<std::pair<int, int>> seen;
        const auto rows = tables::midpointRows();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const QStringList pair = QString::fromUtf8(rows[i][1]).split('/');
            QCOMPARE(pair.size(), 2);
            const int a = pointIndex(pair[0]);
            const int b = pointIndex(pair[1]);
            QVERIFY2(a >= 0 && b > a, rows[i][1]);
            QVERIFY2(seen.insert({a, b}).second, rows[i][1]);

            const int shown = arcMinutes(QString::fromUtf8(rows[i][0]));
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
            QCOMPARE(arcMinutes(pointPos), ellmauerAt(point));

            const QStringList pair = pairText.split('/');
            QVERIFY2(pair.size() == 2 && pair[0].size() == 3 && pair[1].size() == 3, row[2]);
            const std::pair<int, int> key{pointIndex(pair[0]), pointIndex(pair[1])};
            QVERIFY2(midpoints.contains(key), row[2]);
            QCOMPARE(midPos, midpoints[key]);

            QVERIFY2(angle.contains(QLatin1String(row[1])), row[1]);
            const int off = separation(ellmauerAt(point), arcMinutes(midPos));
            QVERIFY2(std::abs(off - angle[QLatin1String(row[1])] * 60) <= 60, row[2]);

            // Grouped by point in chart order, then by the midpoint's position.
            const std::pair<int, int> place{point, arcMinutes(midPos)};
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

QTEST_APPLESS_MAIN(TestPartsData)
#include "tst_report_data_parts.moc"
