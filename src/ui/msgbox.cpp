#include "ui/msgbox.h"

#include "ui/pause.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace ui {

namespace {
MsgBoxHook g_hook;
int g_openBoxes = 0;

QMessageBox::Icon toQt(Icon icon) {
    switch (icon) {
        case Icon::Information: return QMessageBox::Information;
        case Icon::Exclamation: return QMessageBox::Warning;
        case Icon::Stop: return QMessageBox::Critical;
        case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}
}  // namespace

void msgBox(const QString& text, Icon icon, const QString& title) {
    const MsgRecord rec{text, icon, title.isEmpty() ? QString::fromLatin1(kProgramTitle) : title};
    ++g_openBoxes;
    const HoldInput hold;
    if (g_hook) {
        g_hook(rec);
    } else {
        QMessageBox box(toQt(icon), rec.title, rec.text, QMessageBox::Ok, QApplication::activeWindow());
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
    --g_openBoxes;
}

bool msgBoxOpen() { return g_openBoxes > 0; }

void setMsgBoxHook(MsgBoxHook hook) { g_hook = std::move(hook); }

}  // namespace ui
