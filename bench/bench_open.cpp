// One window's first opening in a fresh process, as the user meets it: the main
// menu is up and painted, then its button is clicked and the time to the end of
// the window's first paint is printed (milliseconds). Cold on purpose: fonts,
// plugins and pictures the window is the first to use are paid here, as in the
// program. Run it many times (or under perf) to see where the time goes.
//
//   bench_open BUTTON [all]   BUTTON is the menu button's index (0-9); "all" then
//                             shows every page. Run the file window (0) from an
//                             empty folder, or its file check shows a message box.

#include <QApplication>
#include <QElapsedTimer>
#include <QTabBar>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "app/application.h"
#include "first_paint.h"
#include "shown_menu.h"
#include "shell/mainmenu.h"
#include "ui/controls.h"
#include "ui/form.h"

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    app::describeProgram();
    const int button = argc > 1 ? std::atoi(argv[1]) : 0;
    shell::Form1 menu;
    bench::showMenu(menu);
    QElapsedTimer clock;
    clock.start();
    menu.cmdAction.at(static_cast<size_t>(button))->click();
    const double built = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    QWidget* w = QApplication::activeModalWidget();
    if (!w)
        return 1;
    // Any paint inside the window: a window covered by its panels may itself get none.
    struct AnyPaint : QObject {
        QWidget* window = nullptr;
        bool painted = false;
        bool eventFilter(QObject* o, QEvent* e) override {
            if (e->type() == QEvent::Paint && o->isWidgetType() && static_cast<QWidget*>(o)->window() == window)
                painted = true;
            return false;
        }
    } watch;
    watch.window = w;
    qapp.installEventFilter(&watch);
    while (!watch.painted)
        QApplication::processEvents(QEventLoop::AllEvents);
    QApplication::processEvents();  // the paint the first paint event began
    std::printf("%.2f %.2f\n", built, static_cast<double>(clock.nsecsElapsed()) / 1e6);
    if (argc > 2)
        for (QTabBar* bar : w->findChildren<QTabBar*>())
            for (int i = 0; i < bar->count(); ++i) {
                bar->setCurrentIndex(i);
                QApplication::processEvents();
            }
    return 0;
}
