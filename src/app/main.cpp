// Starwright Demo: the main menu and the feature windows it opens.

#include <QApplication>

#include "app/application.h"
#include "shell/mainmenu.h"

int main(int argc, char* argv[]) {
    app::FontConfigLoad fonts;
    QApplication qapp(argc, argv);
    app::describeProgram();
    fonts.wait();
    shell::Form1 menu;
    app::registerFeatures(menu);
    menu.Form_Load();
    menu.show();
    return QApplication::exec();
}
