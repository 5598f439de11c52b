// The atlas window's replay of its sample input: wall-clock length from the
// timer's tick to the last character, with the machine idle and with both
// cores kept busy by other threads. The pauses are wall-clock time, so the
// two should agree.
//
//   bench_replay [RUNS]     prints one line per run: load threads, milliseconds

#include <QApplication>
#include <QElapsedTimer>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "app/application.h"
#include "shown_menu.h"
#include "shell/mainmenu.h"
#include "tours/frmpcatlas.h"
#include "ui/controls.h"
#include "ui/form.h"

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    app::describeProgram();
    const int runs = argc > 1 ? std::atoi(argv[1]) : 5;
    shell::Form1 menu;
    bench::showMenu(menu);
    for (int load : {0, 2}) {
        std::atomic<bool> stop{false};
        std::vector<std::thread> hogs;
        for (int i = 0; i < load; ++i)
            hogs.emplace_back([&stop] {
                volatile unsigned long n = 0;
                while (!stop.load(std::memory_order_relaxed)) n = n + 1;
            });
        for (int r = 0; r < runs; ++r) {
            menu.cmdAction.at(2)->click();
            auto* atlas = qobject_cast<tours::frmPCAtlas*>(QApplication::activeModalWidget());
            if (!atlas)
                return 1;
            QApplication::processEvents();
            QElapsedTimer clock;
            clock.start();
            atlas->Timer1_Timer();
            std::printf("%d %.1f\n", load, static_cast<double>(clock.nsecsElapsed()) / 1e6);
            atlas->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        stop = true;
        for (std::thread& t : hogs) t.join();
    }
    return 0;
}
