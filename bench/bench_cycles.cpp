// Memory over many openings: the main menu as the program builds it opens every
// window it enables, shows each of its pages and closes it again, 200 times; the
// resident memory is reported along the way. Each pixmap cache limit is measured
// in a fresh process, so one run cannot lend its memory to the next.
//
//   bench_cycles              the program as it is, then Qt's default cache limit,
//                             then no pixmap cache, each in its own process
//   bench_cycles KIB          one run with that cache limit (-1: the program's own)

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPixmapCache>
#include <QProcess>
#include <QTabBar>
#include <cstdio>
#include <unistd.h>

#include "app/application.h"
#include "first_paint.h"
#include "shown_menu.h"
#include "shell/mainmenu.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/pause.h"

namespace {

constexpr int kCycles = 200;

double residentMiB() {
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = f.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0)
                             : 0;
}

// Opens one window from its menu button, shows every page, and closes it.
// Returns the milliseconds from the click to the window's first paint.
double cycleOne(ui::PictureButton* button) {
    QElapsedTimer clock;
    clock.start();
    button->click();
    QWidget* w = QApplication::activeModalWidget();
    if (!w)
        return 0;
    bench::PaintWatch watch(w);
    bench::waitForFirstPaint(*w, watch);
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    for (QTabBar* bar : w->findChildren<QTabBar*>()) {
        for (int i = 0; i < bar->count(); ++i) {
            bar->setCurrentIndex(i);
            QApplication::processEvents();
        }
    }
    w->close();
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return ms;
}

int runOnce(int argc, char* argv[], int cacheKiB) {
    QApplication qapp(argc, argv);
    app::describeProgram();
    if (cacheKiB >= 0)
        QPixmapCache::setCacheLimit(cacheKiB);
    // The windows open as the menu opens them, only without a nested event loop,
    // and their previews and slides run without waiting.
    ui::setPausesDisabled(true);
    shell::Form1 menu;
    bench::showMenu(menu);

    std::printf("cache limit %d KiB: menu shown %.1f MiB; after cycle", QPixmapCache::cacheLimit(), residentMiB());
    QElapsedTimer clock;
    clock.start();
    std::vector<double> opening;  // after the first cycle
    for (int cycle = 1; cycle <= kCycles; ++cycle) {
        for (ui::PictureButton* b : menu.cmdAction) {
            if (!b->isEnabled())
                continue;
            const double ms = cycleOne(b);
            if (cycle > 1)
                opening.push_back(ms);
        }
        if (cycle == 1 || cycle == 10 || cycle % 25 == 0)
            std::printf(" %d: %.1f", cycle, residentMiB());
        std::fflush(stdout);
    }
    std::printf(" MiB; %.1f s in all, opening to first paint median %.1f ms\n",
                static_cast<double>(clock.elapsed()) / 1000.0, bench::median(opening));
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc > 1)
        return runOnce(argc, argv, std::atoi(argv[1]));
    // Qt's default limit is 10240 KiB.
    for (const char* limit : {"-1", "10240", "0"}) {
        const int rc = QProcess::execute(QString::fromLocal8Bit(argv[0]), {QString::fromLatin1(limit)});
        if (rc != 0)
            return rc;
    }
    return 0;
}
