// Starwright Demo: the main menu and the feature windows it opens.

#include <QApplication>
#include <QIcon>

#include "shell/mainmenu.h"
#include "tables/frmtables.h"
#include "ui/form.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Starwright Demo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Starwright Demo"));
    QApplication::setApplicationVersion(QStringLiteral(PWDEMO_VERSION_TEXT));
    QApplication::setOrganizationName(QStringLiteral("Penwick Software"));
    QApplication::setDesktopFileName(QStringLiteral("pwdemo"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/pwdemo.svg")));

    shell::Form1 menu;
    // Each feature button and the window it opens.
    menu.setFeature(5, &ui::FormSlot<tables::frmTables>::showModal);
    menu.Form_Load();
    menu.show();
    return QApplication::exec();
}
