#pragma once

// What main() does before the event loop, shared with the start-up benchmark so
// the benchmark measures the program's own start.

#include <thread>

namespace shell {
class Form1;
}

namespace app {

// Reads the font configuration on a thread of its own while the toolkit connects
// to the window system. The two are independent, and fontconfig's files are the
// largest single piece of start-up work (a third of it); done one after the other,
// the main menu reached the screen that much later. Construct it first thing in
// main() and wait() before any text is measured.
class FontConfigLoad {
public:
    FontConfigLoad();
    void wait();

private:
    std::jthread thread_;  // joined at the latest when it goes
};

// Program name, version and icon; the font and the pixmap cache's size.
void describeProgram();

// Connects each feature button of the main menu to the window it opens.
void registerFeatures(shell::Form1& menu);

}  // namespace app
