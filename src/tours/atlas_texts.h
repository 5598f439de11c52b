#pragma once

// The atlas window's fixed texts: the sample input it types, the sample lookup
// result, the atlas buttons with their explanations, and the page texts.

#include <QString>
#include <array>

namespace tours::atlas {

extern const QString kIntroduction;
extern const QString kFreeAtlas;
extern const QString kNatalScreenHeading;
extern const QString kBecomes;

// Typed into the seven boxes in order: place, month, day, year, hour, minute, second.
extern const std::array<QString, 7> kSampleInput;

// What "Read Atlas" shows: the place box, the seven result labels and the zone.
extern const QString kResultPlace;
extern const std::array<QString, 7> kResults;
extern const QString kResultZoneAbbrev;

extern const std::array<QString, 8> kAtlasButtons;
// The explanation of each atlas button; the first one shows the result instead.
extern const std::array<QString, 8> kAtlasMessages;

}  // namespace tours::atlas
