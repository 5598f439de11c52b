#include "search/charts.h"

#include <array>

namespace search {

namespace {

// Invented people; the number follows from the position (124 for the first).
constexpr std::array<const char*, 59> kNames{
    "Abernathy, Clara Louise",
    "Adler, Marcus",
    "Ashworth, Penelope",
    "Barrington, Theodore James",
    "Bellweather, Nora",
    "Brandt, Oskar",
    "Calloway, Rosalind",
    "Castellan, Miguel Angel",
    "Dabrowski, Helena",
    "Delacroix-Moore, Simone",
    "Dunmore, Walter",
    "Easterly, Fiona Grace",
    "Eckhart, Lionel",
    "Fairbanks, Mabel",
    "Fenwick, Tobias Arthur",
    "Galloway, Iris",
    "Grayling, Desmond",
    "Hadley, Beatrice Anne",
    "Halvorsen, Nils",
    "Holloway, June",
    "Ingleby, Percival",
    "Iverson, Thea Marie",
    "Jablonski, Victor",
    "Jessup, Cordelia",
    "Kavanagh, Declan",
    "Kessler, Ruth Ellen",
    "Lachance, Amelie",
    "Lindqvist, Sven Erik",
    "Lockridge, Harriet",
    "Marchetti, Paolo",
    "McAllister, Eunice",
    "Merriwether, Conrad",
    "Nakashima, Emi",
    "Northcott, Gideon Paul",
    "Oakhurst, Winifred",
    "Odhiambo, Grace Atieno",
    "Pemberton, Agnes",
    "Quennell, Rupert",
    "Rasmussen, Ida Kristine",
    "Ravensworth, Edgar",
    "Rookwood, Millicent Jane",
    "Sandoval, Esteban",
    "Schreiber, Anneliese",
    "Sinclair, Hugo",
    "Stavros, Daphne",
    "Thornbury, Vera",
    "Tillinghast, Ambrose",
    "Upton, Mavis",
    "Vance, Reginald",
    "Vasquez, Lucia Maria",
    "Wakefield, Dorothy",
    "Westbrook, Emmett",
    "Whitlock, Cecily Rose",
    "Winslow, Barnaby",
    "Yardley, Opal",
    "Yoshida, Kenji",
    "Zamora, Ramon",
    "Zeller, Gertrude Ann",
    "Zimmerman, Felix",
};

constexpr int kFirstNumber = 124;
constexpr std::array<int, 6> kResultNumbers{132, 135, 136, 137, 141, 164};

}  // namespace

const QStringList& sampleChartLines() {
    static const QStringList lines = [] {
        QStringList out;
        int number = kFirstNumber;
        for (const char* name : kNames)
            out << QString::fromLatin1(name) + QStringLiteral("  # ") + QString::number(number++);
        return out;
    }();
    return lines;
}

QStringList sampleResultLines() {
    QStringList out;
    for (int n : kResultNumbers) out << sampleChartLines().at(n - kFirstNumber);
    return out;
}

QString recordCountText(int count) {
    return QStringLiteral("Search found ") + QString::number(count) + QStringLiteral(" Record") +
           (count == 1 ? QString() : QStringLiteral("s"));
}

QString chartOpeningText(const QString& line) {
    const qsizetype gap = line.indexOf(QStringLiteral("  "));
    const QString name = gap < 0 ? line : line.left(gap);
    const qsizetype comma = name.indexOf(u',');
    // A line without a comma names nobody in two parts; it is shown as it stands.
    const QString person = comma < 0 ? name : name.mid(comma + 2) + u' ' + name.left(comma);
    return QStringLiteral("You would now be viewing the chart of ") + person + u'.';
}

}  // namespace search
