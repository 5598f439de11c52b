#pragma once

// The sample native's record, written into the chart record window at its
// first paint. Texts exactly as shown.

#include <QString>
#include <QStringList>

namespace record {

struct SampleRecord {
    QString name;
    QString rating;
    QString source;
    QString street1;
    QString street2;
    QString city;
    QString country;
    QString zip;
    QString phone;
    QString note1;
    QString note2;
    QString memo;  // two paragraphs, an empty line between them
};

const SampleRecord& sampleRecord();

// The life history, in list order: a date, " - " and the event.
const QStringList& sampleHistory();

}  // namespace record
