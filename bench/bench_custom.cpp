// Opening the customizing window: construction, load, first paint; how long the
// chart-centre arrow takes to slide in; and opening the point values window.

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

#include "custom/frmcustom.h"
#include "custom/pointvalues.h"
#include "first_paint.h"
#include "shell/vocabulary.h"
#include "ui/form.h"
#include "ui/indextab.h"

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    QFont font = QApplication::font();  // as the program sets it
    font.setPointSize(8);
    QApplication::setFont(font);
    shell::FillVocabulary();
    using Slot = ui::FormSlot<custom::frmCustom>;
    ui::setModalRunner([](QDialog& d) { d.show(); });

    const auto [load, open] = bench::timeWindow<Slot>(30);

    auto& f = Slot::get();
    f.show();
    bench::PaintWatch shown(&f);
    bench::waitForFirstPaint(f, shown);
    std::vector<double> slide;
    for (int i = 0; i < 5; ++i) {
        f.VSIndexTab1->setCurrTab(0);
        QElapsedTimer t;
        t.start();
        f.VSIndexTab1->setCurrTab(3);
        slide.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
    }
    const auto points = bench::timeOpenings(
        30,
        [&f] {
            custom::PointValues::open(&f);
            return static_cast<QWidget*>(ui::FormSlot<custom::PointValues>::peek());
        },
        [](QWidget* w) { delete w; });
    std::printf("frmCustom create+load: median %.1f ms (30 runs)\n", bench::median(load));
    std::printf("frmCustom create+load+first paint: median %.1f ms (30 runs)\n",
                bench::median(open));
    std::printf("chart centre arrow slide: median %.0f ms (5 runs)\n", bench::median(slide));
    std::printf("PointValues create+load+first paint: median %.1f ms (30 runs)\n",
                bench::median(points));
    delete &f;
    return 0;
}
