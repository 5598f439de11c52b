// Opening the chart search window (construction, load, first paint), and what
// the open window costs while it idles: its hover polling once a second with
// the pointer over the chart list, and every 5 ms with it on a tool bar button.
// Usage: bench_search [idle seconds per case, default 30]

#include <sys/resource.h>
#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

#include "first_paint.h"
#include "search/frmsearch.h"
#include "shell/vocabulary.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace {

double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    const auto secs = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return secs(u.ru_utime) + secs(u.ru_stime);
}

// Share of one core the process used while the event loop ran for `seconds`.
double idleCpuPercent(int seconds) {
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    const double before = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    loop.exec();
    return 100.0 * (cpuSeconds() - before) / (static_cast<double>(wall.elapsed()) / 1000.0);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    shell::FillVocabulary();
    const int idleSeconds = argc > 1 ? std::atoi(argv[1]) : 30;
    using Slot = ui::FormSlot<search::frmSearch>;

    const auto [load, open] = bench::timeWindow<Slot>(30);
    std::printf("frmSearch create+load: median %.1f ms (30 runs)\n", bench::median(load));
    std::printf("frmSearch create+load+first paint: median %.1f ms (30 runs)\n",
                bench::median(open));

    if (idleSeconds > 0) {
        auto& f = Slot::get();
        f.show();
        f.activateWindow();
        QElapsedTimer t;
        t.start();
        while (QApplication::activeWindow() != &f && t.elapsed() < 3000)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        std::printf("search window active: %s\n",
                    QApplication::activeWindow() == &f ? "yes" : "no (polling idles)");
        QCursor::setPos(f.ChartListBox->mapToGlobal(f.ChartListBox->rect().center()));
        std::printf("idle, pointer on the chart list: %.2f%% of one core over %d s\n",
                    idleCpuPercent(idleSeconds), idleSeconds);
        QCursor::setPos(f.cmdToolBar[0]->mapToGlobal(f.cmdToolBar[0]->rect().center()));
        std::printf("idle, pointer on the Search button: %.2f%% of one core over %d s\n",
                    idleCpuPercent(idleSeconds), idleSeconds);
        delete &f;
    }
    return 0;
}
