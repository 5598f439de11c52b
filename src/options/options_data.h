#pragma once

// The list options window's fixed texts: descriptions, list entries, the sample
// defaults and what each message button says.

#include <QString>
#include <array>

#include "ui/msgbox.h"

namespace options::text {

extern const QString kCaption;
extern const QString kTabCaptions;

extern const QString kTransitsDescription;    // Label12
extern const QString kProgressedDescription;  // Label11
extern const QString kResultDescription;      // Label2
extern const std::array<QString, 2> kToolBarDescriptions;  // lblToolBar(0..1)

extern const std::array<QString, 9> kProgressionTypes;
extern const std::array<QString, 6> kMidheavenTypes;

// PlanetAbbr slots whose full names fill the two point lists, in list order.
extern const std::array<int, 20> kListedPoints;

extern const QString kTimeZone;
extern const QString kSpecialRate;
extern const QString kPrimaryRate;

// A message button: its caption, and the text and icon of its box. The box's
// title is the caption without its access key mark and ellipsis.
struct MessageButton {
    const char* name;
    QString caption;
    QString text;
    ui::Icon icon;
};
extern const std::array<MessageButton, 11> kMessageButtons;
// A button's entry by its control name.
const MessageButton& messageButton(const char* name);

QString titleOf(const QString& caption);

}  // namespace options::text
