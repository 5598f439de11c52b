#pragma once

// Helpers for the timings: quit once a window has painted, and time how long a
// window takes from construction to its first paint.

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <vector>

namespace bench {

// Sets a flag when the watched widget has been painted.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget* w) { w->installEventFilter(this); }
    bool painted = false;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint) painted = true;
        return QObject::eventFilter(o, e);
    }
};

// Processes events until the widget has painted (or 5 s passed).
inline bool waitForFirstPaint(QWidget& w, PaintWatch& watch) {
    QElapsedTimer t;
    t.start();
    while (!watch.painted && t.elapsed() < 5000) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    (void)w;
    return watch.painted;
}

inline double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

// Milliseconds for `open` (which must build, load and show a window and return
// it) until the window's first paint; then `close` disposes of it.
inline std::vector<double> timeOpenings(int runs, const std::function<QWidget*()>& open,
                                        const std::function<void(QWidget*)>& close) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        QWidget* w = open();
        PaintWatch watch(w);
        waitForFirstPaint(*w, watch);
        ms.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
        close(w);
        QApplication::processEvents();
    }
    return ms;
}

// Times a window class the way the main menu opens it: construction + load alone
// (through its FormSlot), then construction + load + show until the first paint.
struct OpenTimes {
    std::vector<double> load;
    std::vector<double> open;
};

template <class Slot>
OpenTimes timeWindow(int runs) {
    OpenTimes times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        Slot::get();
        times.load.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
        delete Slot::peek();
    }
    times.open = timeOpenings(
        runs,
        [] {
            auto& f = Slot::get();
            f.show();
            return static_cast<QWidget*>(&f);
        },
        [](QWidget* w) { delete w; });
    return times;
}

}  // namespace bench
