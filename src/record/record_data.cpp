#include "record/record_data.h"

namespace record {

const SampleRecord& sampleRecord() {
    static const SampleRecord r{
        QStringLiteral("Lucien Varenne"),
        QStringLiteral("AA"),
        QStringLiteral("Delorme, BC"),
        QStringLiteral("123 Rue Tahiti"),
        QStringLiteral("Tombe 101"),
        QStringLiteral("Montpelier"),
        QStringLiteral("France"),
        QStringLiteral("34070"),
        QStringLiteral("67 55 55 55"),
        QStringLiteral("Responded to my ad in Art History World."),
        QStringLiteral("First meeting June 12, 1993."),
        QStringLiteral("Enter chart notes here, up to 32,000 characters.\r\n\r\n"
                       "Supports multiple paragraphs.  The memo control supports word-wrapping for "
                       "lines that are longer than the width of the text entry field."),
    };
    return r;
}

const QStringList& sampleHistory() {
    // The dates are texts of the record, not dates of the user's locale.
    static const QStringList lines{
        QStringLiteral("06/07/1851 - Traveled with mother in Peru."),
        QStringLiteral("06/07/1855 - Returned to France."),
        QStringLiteral("06/07/1865 - Joined merchant navy, made several long voyages."),
        QStringLiteral("06/07/1871 - Joined stockbroking firm in Paris."),
        QStringLiteral("06/07/1873 - Married a young Danish woman, Karin Elise Holm."),
        QStringLiteral(
            "06/07/1876 - His 'Landscape at Viroflay' painting was accepted for an exposition."),
        QStringLiteral("06/07/1883 - Stockmarket crashed, lost job, lived with her parents."),
        QStringLiteral("06/07/1885 - Alone in Paris, tried unsuccessfully to live as artist."),
        QStringLiteral("06/07/1887 - Discovered primitive art in trip to tropical West Indies."),
        QStringLiteral("06/07/1888 - 'Vision After the Sermon' painting."),
        QStringLiteral("06/07/1899 - 'Two Tahitian Women' painting."),
        QStringLiteral("06/07/1900 - In deteriorating health."),
        QStringLiteral("06/07/1903 - Died on the Marquesas Islands."),
    };
    return lines;
}

}  // namespace record
