#pragma once

// The main menu as the program builds it, shown and painted, with the windows it
// opens shown modal but without a nested event loop, so a benchmark goes on
// while one is open.

#include <QDialog>

#include "app/application.h"
#include "first_paint.h"
#include "shell/mainmenu.h"
#include "ui/form.h"

namespace bench {

inline void showMenu(shell::Form1& menu) {
    ui::setModalRunner([](QDialog& d) {
        d.setWindowModality(Qt::ApplicationModal);
        d.show();
    });
    app::registerFeatures(menu);
    menu.Form_Load();
    menu.show();
    PaintWatch watch(&menu);
    waitForFirstPaint(menu, watch);
}

}  // namespace bench
