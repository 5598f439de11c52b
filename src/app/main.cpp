// Starwright Demo: the main menu and the feature windows it opens.

#include <QApplication>

#include "app/application.h"
#include "shell/mainmenu.h"

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    app::describeProgram();
    shell::Form1 menu;
    app::registerFeatures(menu);
    menu.Form_Load();
    menu.show();
    return QApplication::exec();
}
