#include "shell/screen.h"

#include <QPixmap>

#include <cmath>

#include "ui/msgbox.h"
#include "ui/picture.h"
#include "ui/twips.h"

namespace shell {

int centredOffset(double total, double part, int divisor) {
    const double d = std::nearbyint(total - part);  // ties to even in the default rounding mode
    return static_cast<int>(static_cast<long long>(d) / divisor);
}

void CenterForm(QWidget& window) {
    ui::setLeft(&window, centredOffset(ui::Screen::widthTwips(), ui::width(&window), 2));
    ui::setTop(&window, centredOffset(ui::Screen::heightTwips(), ui::height(&window), 3));
}

void ShowPictureNotice() {
    ui::msgBox(QStringLiteral("This is only a picture.  Click on the 'Close' button up above to close this window."),
               ui::Icon::None, DemoTitle);
}

QIcon ProgramIcon() {
    // Read once: the program and the main menu both set it.
    static const QIcon icon = [] {
        QIcon made;
        for (int size : {16, 32, 48}) made.addPixmap(ui::rasterPixmap(QStringLiteral(":/icons/pwdemo-%1.argb").arg(size)));
        return made;
    }();
    return icon;
}

QIcon ButtonPicture(const QString& name) { return ui::pictureIcon(QStringLiteral(":/buttons/%1.svg").arg(name)); }

}  // namespace shell
