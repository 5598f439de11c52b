#pragma once

// Visible pauses: a replay or preview waits between its steps by wall-clock time.
// The window repaints meanwhile and input is held back, not handled: mouse and
// keys, assistive technology's actions and close requests all wait until the
// replay is over. Only the windows that existed when a pause began are held; a
// window opened during it (a message box) takes input and closes as usual.

#include <functional>

class QWidget;

namespace ui {

void pause(int milliseconds);

// Holds input and close requests for the windows that exist now, as a pause
// does, for as long as it lives. A message box holds the windows under it: a
// window closed while its box is up would be deleted under the code that showed
// the box, so the close waits until the box is answered.
class HoldInput {
public:
    HoldInput();
    ~HoldInput();
    HoldInput(const HoldInput&) = delete;
    HoldInput& operator=(const HoldInput&) = delete;
};

// Input that does not come through the window system's queue (a press, toggle,
// text or tab chosen through assistive technology): runs at once, or, while a
// pause holds the target's window, after the pause, in the order it came.
void deliverInput(QWidget* target, std::function<void()> action);

// Tests run every pause as zero.
void setPausesDisabled(bool disabled);
bool pausesDisabled();

// Tests that want the pause paths to run, only sooner, shorten every pause by a
// factor (1 in the program); a shortened pause still lasts at least 1 ms.
void setPauseScale(double factor);

}  // namespace ui
