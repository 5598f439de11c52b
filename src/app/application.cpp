#include "app/application.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QPixmapCache>
#include <fontconfig/fontconfig.h>

#include "custom/frmcustom.h"
#include "options/frmop.h"
#include "record/frmdata.h"
#include "search/frmsearch.h"
#include "shell/mainmenu.h"
#include "shell/screen.h"
#include "synastry/frmsynastry.h"
#include "tables/frmtables.h"
#include "tours/frmfile.h"
#include "tours/frmpcatlas.h"
#include "tours/picturetour.h"
#include "ui/form.h"
#include "ui/style.h"

namespace app {

// The toolkit's own FcInit() then finds the configuration in place. Should it run
// first after all, fontconfig lets both load and keeps one, so nothing breaks.
FontConfigLoad::FontConfigLoad() : thread_([] { FcInit(); }) {}

void FontConfigLoad::wait() {
    if (thread_.joinable()) thread_.join();
}

void describeProgram() {
    QApplication::setApplicationName(QStringLiteral("Starwright Demo"));
    // No display name: Qt would append it to every title the window system shows,
    // and the captions must read exactly as written.
    QApplication::setApplicationVersion(QStringLiteral(PWDEMO_VERSION_TEXT));
    QApplication::setOrganizationName(QStringLiteral("Penwick Software"));
    QApplication::setDesktopFileName(QStringLiteral("example.penwick_software.pwdemo"));
    ui::installStyle();
    QApplication::setWindowIcon(shell::ProgramIcon());
    // The windows are laid out in twips for an 8 point dialog font.
    QFont font = QApplication::font();
    font.setPointSize(8);
    QApplication::setFont(font);
    // Qt's 10 MiB pixmap cache fills with the style's page-sized pixmaps as the
    // windows open and close, and the memory stays taken (resident 63 MiB after 200
    // openings of every window). At 1 MiB the small pixmaps that repaint often stay
    // cached, memory stays near 39 MiB, and a window's first paint costs about the
    // same (bench_cycles in bench/README.md).
    QPixmapCache::setCacheLimit(1024);
}

void registerFeatures(shell::Form1& menu) {
    menu.setFeature(0, &ui::FormSlot<tours::frmFile>::showModal);
    menu.setFeature(2, &ui::FormSlot<tours::frmPCAtlas>::showModal);
    menu.setFeature(1, &ui::FormSlot<options::frmOp>::showModal);
    menu.setFeature(3, &ui::FormSlot<custom::frmCustom>::showModal);
    menu.setFeature(4, &ui::FormSlot<record::frmData>::showModal);
    menu.setFeature(5, &ui::FormSlot<tables::frmTables>::showModal);
    menu.setFeature(6, &ui::FormSlot<search::frmSearch>::showModal);
    menu.setFeature(7, &ui::FormSlot<synastry::frmSynastry>::showModal);
    menu.setFeature(8, &ui::FormSlot<tours::frmReports>::showModal);
    menu.setFeature(9, &ui::FormSlot<tours::frmEdit>::showModal);
}

}  // namespace app
