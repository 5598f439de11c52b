#include "custom/arabicparts.h"

#include <cmath>

#include "ui/locale.h"

namespace custom {

std::array<QString, kFormulaSlots> PartFormulaDefaults;
std::array<QString, kFormulaSlots> PartFormulas;

namespace {

constexpr std::array<const char*, 34> kPartPoints{
    "Sun", "Moo", "Mer", "Ven", "Mar", "Jup", "Sat", "Ura",  "Nep",  "Plu", "Asc", "Mid",
    "MNN", "MSN", "PF ", "Chi", "Cer", "Pal", "Jun", "Ves",  "Vtx",  "EPt", "1st", "2nd",
    "3rd", "4th", "5th", "6th", "7th", "8th", "9th", "10th", "11th", "12th"};

// Slot = position in the part-name list.
constexpr std::array<const char*, kSampleFormulas> kSamples{
    " 4| 8| 7|Assassination|0|1",
    " 10| 2| 7|Astrology|1|1",
    " 10| 1| 48|Bondage|1|1",
    " 10| 5| 6|Brothers and sisters|1|1",
    " 10| 7| 6|Catastrophe|0|1",
    " 10| 3| 1|Children (female)|0|1",
    " 10| 5| 1|Children (male)|0|1",
    " 10| 2| 0|Commerce|0|1",
    " 10| 29| 1|Death|0|1",
    " 10| 26| 39|Desire and sexual attraction|0|1",
    " 10| 5| 4|Discord and controversy|1|1",
    " 10| 3| 28|Divorce|0|1",
    " 10| 2| 1|Faith|1|1",
    " 10| 6| 0|Father|1|1",
    " 10| 1| 0|Fortune|1|1",
    " 10| 6| 3|Fortune in marriage of women|0|1",
    " 10| 1| 7|Friends|1|1",
    " 10| 23| 36|Goods|1|1",
    " 10| 59&19| 0|Honor|0|1",
    " 10| 14| 8|Imprisonment, sorrow|0|1",
    " 10| 5| 0|Increase|1|1",
    " 10| 1| 6|Inheritance, possessions|1|1",
    " 10| 6| 0|Karma (fate)|1|1",
    " 10| 3| 0|Love and deception by women|0|1",
    " 10| 3| 5|Love and marriage|1|1",
    " 10| 28| 3|Marriage|0|1",
    " 10| 1| 3|Mother|1|1",
    " 10| 9| 0|Organization|0|1",
    " 10| 4| 0|Passion|0|1",
    " 10| 42| 6|Peril|0|1",
    " 10| 3| 7|Perversion|0|1",
    " 10| 33| 46|Private enemies|0|1",
    " 10| 28| 41|Public enemies|0|1",
    " 10| 1| 2|Servants|0|1",
    " 10| 4| 6|Sickness|0|1",
    " 10| 0| 1|Spirit|1|1",
    " 10| 14| 6|Sudden advancement|1|1",
    " 10| 6| 4|Surgery|1|1",
    " 10| 7| 30|Travel by air|0|1",
    " 10| 30| 43|Travel by land|0|1",
    " 10| 59&105| 6|Travel by water|1|1",
    " 10| 4| 2|Understanding|1|1",
    " 11| 1| 0|Vocation|0|1",
    " 10| 8| 0|Web of deceit|0|1",
};

// A flag field read as a whole number from its start ("1|1" reads 1).
int flagFrom(const QString& text) {
    const double v = ui::Locale::leadingNumber(text);
    if (!(std::fabs(v) < 32768.0))
        return 0;
    return static_cast<int>(std::lround(v));
}

}  // namespace

std::array<QString, 36> partPointNames() {
    std::array<QString, 36> names;
    for (size_t n = 0; n < kPartPoints.size(); ++n)
        names[n + 1] = QString::fromLatin1(kPartPoints[n]);
    return names;
}

QStringList operandList(int list, const std::array<QString, 36>& p) {
    QStringList entries;
    for (size_t n = 1; n <= 34; ++n) entries << p[n];
    if (list == 1)
        return entries;
    entries << QStringLiteral("Part of Spirit");
    for (size_t n = 23; n <= 34; ++n) entries << p[n] + QStringLiteral(" Ruler");
    for (size_t n = 1; n <= 10; ++n) entries << p[n] + QStringLiteral(" Dispositor");
    for (size_t n = 11; n <= 12; ++n) entries << p[n] + QStringLiteral(" Ruler");
    entries << (list == 2 ? QStringLiteral("Degree") : QStringLiteral("Hour Lord"));
    return entries;
}

const std::array<const char*, kSampleFormulas>& sampleFormulas() {
    return kSamples;
}

std::array<int, 5> FindFieldBars(const QString& text) {
    std::array<int, 5> p{};
    qsizetype from = 0;
    for (int& bar : p) {
        const qsizetype at = text.indexOf(u'|', from);
        if (at < 0)
            break;  // this one and the later stay 0
        bar = static_cast<int>(at + 1);
        from = at + 1;
    }
    return p;
}

PartFields SplitPartFormula(const QString& formula) {
    const std::array<int, 5> p = FindFieldBars(formula);
    PartFields f;
    if (p[3] != 0) {
        const auto between = [&formula](int a, int b) { return formula.mid(a, b - a - 1); };
        f.f1 = formula.left(p[0] - 1);
        f.f2 = between(p[0], p[1]);
        f.f3 = between(p[1], p[2]);
        f.f4 = between(p[2], p[3]);
        f.reverse = flagFrom(formula.mid(p[3]));
    }
    f.traditional = p[4] != 0 ? flagFrom(formula.mid(p[4])) : 1;
    return f;
}

std::vector<PartEntry> FillPartFormulas(const std::vector<QString>& samples) {
    PartFormulaDefaults.fill(QString());
    PartFormulas.fill(QString());
    std::vector<PartEntry> names;
    for (size_t n = 0; n < samples.size() && n < PartFormulaDefaults.size(); ++n) {
        PartFormulaDefaults[n] = samples[n];
        const std::array<int, 5> p = FindFieldBars(samples[n]);
        if (p[3] == 0)
            continue;  // not a whole formula: no entry in the list
        PartFormulas[n] = samples[n];
        names.push_back({static_cast<int>(n), samples[n].mid(p[2], p[3] - p[2] - 1)});
    }
    return names;
}

}  // namespace custom
