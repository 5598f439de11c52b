#include "app/application.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

#include "custom/frmcustom.h"
#include "options/frmop.h"
#include "search/frmsearch.h"
#include "shell/mainmenu.h"
#include "tables/frmtables.h"
#include "tours/picturetour.h"
#include "ui/form.h"

namespace app {

void describeProgram() {
    QApplication::setApplicationName(QStringLiteral("Starwright Demo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Starwright Demo"));
    QApplication::setApplicationVersion(QStringLiteral(PWDEMO_VERSION_TEXT));
    QApplication::setOrganizationName(QStringLiteral("Penwick Software"));
    QApplication::setDesktopFileName(QStringLiteral("pwdemo"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/pwdemo.svg")));
    // The windows are laid out in twips for an 8 point dialog font.
    QFont font = QApplication::font();
    font.setPointSize(8);
    QApplication::setFont(font);
}

void registerFeatures(shell::Form1& menu) {
    menu.setFeature(1, &ui::FormSlot<options::frmOp>::showModal);
    menu.setFeature(3, &ui::FormSlot<custom::frmCustom>::showModal);
    menu.setFeature(5, &ui::FormSlot<tables::frmTables>::showModal);
    menu.setFeature(6, &ui::FormSlot<search::frmSearch>::showModal);
    menu.setFeature(8, &ui::FormSlot<tours::frmReports>::showModal);
    menu.setFeature(9, &ui::FormSlot<tours::frmEdit>::showModal);
}

}  // namespace app
