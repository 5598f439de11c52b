// The Arabic part formulas without a window: fields, operand lists and
// the Arabic part list.

#include <QTest>

#include "custom/arabicparts.h"
#include "fixtures.h"
#include "tests.h"

using namespace custom;

namespace {

class TestFormulas : public QObject {
    Q_OBJECT
private slots:
    void splitFormula_data() {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("fields");  // f1|f2|f3|f4
        QTest::addColumn<int>("reverse");
        QTest::addColumn<int>("traditional");
        row("honor keeps its degree", " 10| 59&19| 0|Honor|0|1", " 10| 59&19| 0|Honor", 0, 1);
        row("no sixth field counts as traditional", " 10| 1| 0|Fortune|1", " 10| 1| 0|Fortune", 1,
            1);
        row("modern rulers", " 10| 1| 0|Fortune|0|0", " 10| 1| 0|Fortune", 0, 0);
        row("flags with blanks or words", "1|2|3|X|  1 |no", "1|2|3|X", 1, 0);
        row("three bars leave it empty", " 10| 1| 0|Fortune", "|||", 0, 1);
    }
    void splitFormula() {
        QFETCH(QString, formula);
        QFETCH(QString, fields);
        QFETCH(int, reverse);
        QFETCH(int, traditional);
        const PartFields f = SplitPartFormula(formula);
        QCOMPARE(QStringList({f.f1, f.f2, f.f3, f.f4}).join(u'|'), fields);
        QCOMPARE(f.reverse, reverse);
        QCOMPARE(f.traditional, traditional);
    }

    void operandLists_data() {
        QTest::addColumn<int>("list");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("entry");
        row("part of spirit", 2, 34, "Part of Spirit");
        row("midheaven ruler", 3, 58, "Mid Ruler");
        row("degree, last of the second", 2, 59, "Degree");
        row("hour lord, last of the third", 3, 59, "Hour Lord");
        row("the first list ends with the houses", 1, 33, "12th");
    }
    void operandLists() {
        QFETCH(int, list);
        QFETCH(int, position);
        QFETCH(QString, entry);
        const QStringList l = operandList(list, partPointNames());
        QCOMPARE(l.value(position), entry);
        QCOMPARE(l.size(), list == 1 ? 34 : 60);
    }

    void sampleFormulasFillTheListInOrder() {
        std::vector<QString> samples;
        for (const char* f : sampleFormulas()) samples.emplace_back(QString::fromLatin1(f));
        const auto entries = FillPartFormulas(samples);
        QCOMPARE(int(entries.size()), 44);
        QStringList names;
        for (size_t i = 0; i < entries.size(); ++i) {
            QCOMPARE(entries[i].slot, int(i));
            names << entries[i].name;
        }
        QStringList sorted = names;
        sorted.sort(Qt::CaseInsensitive);
        QCOMPARE(names, sorted);  // alphabetical, so slot and list position agree
        QCOMPARE(PartFormulas[44], QString());
        // Every operand is a position its list has; only the Degree operand carries "&".
        for (const QString& f : samples) {
            const PartFields p = SplitPartFormula(f);
            QVERIFY2(p.f1.trimmed().toInt() < 34 && p.f3.trimmed().toInt() < 60, qPrintable(f));
            QCOMPARE(p.f2.contains(u'&'), p.f2.trimmed().startsWith(QLatin1String("59")));
        }
    }

    void formulasWithoutEnoughFieldsAreLeftOut() {
        const auto entries =
            FillPartFormulas({QStringLiteral(" 10| 1| 0|Fortune|1|1"), QStringLiteral("broken|1|2"),
                              QStringLiteral(" 10| 0| 1|Spirit|1")});
        QCOMPARE(int(entries.size()), 2);
        QCOMPARE(entries[1].slot, 2);  // the name keeps the slot of its formula
        QCOMPARE(entries[1].name, QStringLiteral("Spirit"));
        QCOMPARE(PartFormulaDefaults[1], QStringLiteral("broken|1|2"));
        QCOMPARE(PartFormulas[1], QString());
    }
};

}  // namespace

QObject* makeFormulasTest() {
    return new TestFormulas;
}

#include "tst_formulas.moc"
