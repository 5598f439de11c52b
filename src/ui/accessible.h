#pragma once

// What assistive technology sees of the layer's controls. The interfaces are the
// layer's own so that every action they offer (press, toggle, set text, select a
// tab) goes through ui::deliverInput and waits for a running pause like mouse
// and keys do.

namespace ui {

// Installs the interfaces once; every control of the layer calls it when built.
void useAccessibleControls();

}  // namespace ui
