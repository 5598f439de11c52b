// Consistency of the chart analysis and all-angles sample rows. The rows are
// typed-in literals, so these checks look for slips of transcription: a digit
// changed in a position shows up as a count, dispositor or angle that no longer
// agrees with the point table.

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <cmath>
#include <cstdlib>
#include <utility>

#include "tables/report_rows.h"

namespace {

const QString kSignAbbr = QStringLiteral("AriTauGemCanLeoVirLibScoSagCapAquPisAri");
const QStringList kSignNames{"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo",
                             "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
const QStringList kModernRulers{"Mars",   "Venus",   "Mercury", "Moon",   "Sun",    "Mercury",
                                "Venus",  "Pluto",   "Jupiter", "Saturn", "Uranus", "Neptune"};
const QStringList kSignModalities{"Cardinal", "Fixed", "Mutable"};
const QStringList kSignElements{"Fire", "Earth", "Air", "Water"};
// The all-angles points are the first fifteen rows of the point table, in that order.
const QStringList kAngleAbbr{"Sun", "Moo", "Mer", "Ven", "Mar", "Jup", "Sat", "Ura",
                             "Nep", "Plu", "Asc", "Mid", "MNN", "MSN", "PF "};

// Rows are numbered from 1, as the report numbers them.
QString analysisCell(int row, int col) {
    return QString::fromUtf8(tables::chartAnalysisRows()[std::size_t(row - 1)][std::size_t(col)]);
}

// Sign 0 (Aries) to 11 (Pisces) of a position text such as "23Pis30", or -1.
int signOf(const QString& position) {
    for (int sign = 0; sign < 12; ++sign)
        if (position.mid(2, 3) == kSignAbbr.mid(3 * sign, 3)) return sign;
    return -1;
}
int houseOf(const QString& position) { return position.mid(10, position.indexOf(')') - 10).toInt(); }
int zodiacMinutes(const QString& position) {
    return signOf(position) * 1800 + position.left(2).toInt() * 60 + position.mid(5, 2).toInt();
}

// "98° 59'" in minutes of arc, or -1 when the text has another form.
int arcMinutes(const QString& text) {
    static const QRegularExpression re(QStringLiteral("^(0|[1-9]\\d{0,2})° ([0-5]\\d)'$"));
    const auto m = re.match(text);
    return m.hasMatch() ? m.captured(1).toInt() * 60 + m.captured(2).toInt() : -1;
}

int aspectDegrees(const QString& code) {
    static const QHash<QString, int> angles{{"CJN", 0},  {"SSX", 30},  {"SSQ", 45},  {"SXT", 60},
                                            {"QTL", 72}, {"SQR", 90},  {"TRI", 120}, {"SES", 135},
                                            {"BQT", 144}, {"INC", 150}, {"OPP", 180}};
    return angles.value(code, -1);
}

}  // namespace

class TestAnalysisData : public QObject {
    Q_OBJECT

private slots:
    void rowCounts_data() {
        QTest::addColumn<int>("actual");
        QTest::addColumn<int>("expected");
        QTest::newRow("chart analysis") << int(tables::chartAnalysisRows().size()) << 98;
        QTest::newRow("all angles") << int(tables::angleRows().size()) << 104;
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

        int distance = std::abs(zodiacMinutes(analysisCell(first + 1, 1)) -
                                zodiacMinutes(analysisCell(second + 1, 1)));
        if (distance > 180 * 60) distance = 360 * 60 - distance;
        const int angle = arcMinutes(QString::fromUtf8(row[1]));
        QVERIFY2(angle >= 0 && angle <= 180 * 60, row[1]);
        QVERIFY2(std::abs(angle - distance) <= 1, qPrintable(QString("%1 from positions").arg(distance)));

        if (code == "-->") {
            QCOMPARE(QString::fromUtf8(row[2]), QString());
        } else {
            QVERIFY2(aspectDegrees(code) >= 0, qPrintable(code));
            QCOMPARE(arcMinutes(QString::fromUtf8(row[2])), std::abs(angle - aspectDegrees(code) * 60));
        }
    }

    void angleAspectCount() {
        int aspects = 0;
        for (const auto& row : tables::angleRows()) {
            const QString name = QString::fromUtf8(row[0]);
            QVERIFY2(!(name.contains("MNN") && name.contains("MSN")), row[0]);
            if (name.mid(5, 3) != "-->") ++aspects;
        }
        QCOMPARE(aspects, 38);
    }
};

QTEST_APPLESS_MAIN(TestAnalysisData)
#include "tst_report_data_analysis.moc"
