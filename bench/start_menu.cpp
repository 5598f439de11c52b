// Process start to the main menu on screen: builds the menu as the program does
// and quits right after its first paint. Timed from outside (hyperfine).

#include <QApplication>
#include <QTimer>

#include "app/application.h"
#include "first_paint.h"
#include "shell/mainmenu.h"

int main(int argc, char* argv[]) {
    app::FontConfigLoad fonts;
    QApplication qapp(argc, argv);
    app::describeProgram();
    fonts.wait();
    shell::Form1 menu;
    app::registerFeatures(menu);
    menu.Form_Load();
    bench::PaintWatch watch(&menu);
    menu.show();
    bench::waitForFirstPaint(menu, watch);
    return watch.painted ? 0 : 1;
}
