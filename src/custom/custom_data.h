#pragma once

// Sample data and fixed texts of the customizing window.

#include <QString>
#include <array>

namespace custom {

// The 72 asteroids with their catalogue numbers, alphabetical.
const std::array<const char*, 72>& asteroidNames();

// Rulers of the signs Aries .. Pisces as point codes.
const std::array<const char*, 12>& modernRulers();
const std::array<const char*, 12>& traditionalRulers();
const std::array<const char*, 12>& signNames();

// The descriptions the window builds on load, piece by piece.
QString planetsDescription();
QString asteroidsDescription();

namespace text {
extern const QString kTabCaptions;
extern const QString kWindowCaption;
extern const QString kPlanetsHeading;
extern const QString kOrbHeader;
extern const QString kOrbNote;
extern const QString kOrbHint;
extern const QString kFonts;
extern const QString kCtrImage;
extern const QString kArabic;
extern const QString kOpenFile;
extern const QString kRulerHeader;
extern const QString kRulers;
extern const QString kHelp;
extern const QString kCancel;
extern const QString kPointValues;
const QString& save(int index);  // the Save buttons' explanations by index
}  // namespace text

}  // namespace custom
