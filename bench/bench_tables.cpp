// Opening the tables window: construction, load (six grids filled), first paint;
// and how long one scroll preview takes on screen.

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

#include "first_paint.h"
#include "shell/vocabulary.h"
#include "tables/frmtables.h"
#include "ui/form.h"
#include "ui/grid.h"
#include "ui/indextab.h"

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    shell::FillVocabulary();
    using Slot = ui::FormSlot<tables::frmTables>;

    const auto [load, open] = bench::timeWindow<Slot>(30);

    auto& f = Slot::get();
    f.show();
    std::vector<double> preview;
    for (int tab = 1; tab <= 6; ++tab) {
        QElapsedTimer t;
        t.start();
        f.VSIndexTab1->setCurrTab(tab);
        preview.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
    }
    std::printf("frmTables create+load: median %.1f ms (30 runs)\n", bench::median(load));
    std::printf("frmTables create+load+first paint: median %.1f ms (30 runs)\n", bench::median(open));
    std::printf("scroll preview per report tab: min %.0f ms, max %.0f ms\n",
                *std::min_element(preview.begin(), preview.end()), *std::max_element(preview.begin(), preview.end()));
    delete &f;
    return 0;
}
