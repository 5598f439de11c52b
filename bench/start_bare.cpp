// The yardstick for the start-up time: a bare Qt window of the main menu's size.

#include <QApplication>
#include <QWidget>

#include "first_paint.h"

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    QWidget w;
    w.resize(591, 273);  // the main menu's client area, 8865 x 4095 twips
    bench::PaintWatch watch(&w);
    w.show();
    bench::waitForFirstPaint(w, watch);
    return watch.painted ? 0 : 1;
}
