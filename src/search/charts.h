#pragma once

// The sample chart file the search window lists, the one sample search result,
// and the texts built from them.

#include <QString>
#include <QStringList>

namespace search {

// The whole sample chart file: 59 lines "Surname, Given Names  # n", numbered 124
// to 182 in alphabetical order of surname.
const QStringList& sampleChartLines();

// The six lines the sample search finds (charts 132, 135, 136, 137, 141, 164).
QStringList sampleResultLines();

// "Search found 59 Records", "Search found 1 Record".
QString recordCountText(int count);

// The message for opening the chart of a list line: given names, then surname.
QString chartOpeningText(const QString& line);

}  // namespace search
