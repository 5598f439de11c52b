#pragma once

// What main() does before the event loop, shared with the start-up benchmark so
// the benchmark measures the program's own start.

namespace shell {
class Form1;
}

namespace app {

// Program name, version and icon; the font and the pixmap cache's size.
void describeProgram();

// Connects each feature button of the main menu to the window it opens.
void registerFeatures(shell::Form1& menu);

}  // namespace app
