#pragma once

// Visible pauses: a replay or preview waits between its steps by wall-clock time.
// The window repaints meanwhile and user input is held back, not handled.

namespace ui {

void pause(int milliseconds);

// Tests run every pause as zero.
void setPausesDisabled(bool disabled);
bool pausesDisabled();

}  // namespace ui
