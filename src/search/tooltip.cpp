#include "search/tooltip.h"

#include <QPainter>

#include "ui/controls.h"
#include "ui/form.h"
#include "ui/pointer.h"
#include "ui/twips.h"

namespace search {

namespace {
// 80FFFF as blue-green-red: pale yellow.
const QColor kPaleYellow(0xFF, 0xFF, 0x80);
const QColor kEdge(0x80, 0x80, 0x80);
}  // namespace

frmHelp::frmHelp()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("frmHelp"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    Label1 = new ui::Label(QString(), this);
    Label1->setObjectName(QStringLiteral("Label1"));
}

void frmHelp::Form_Load() {
    setWindowTitle(QString());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kPaleYellow);
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);
    // The label lets the window's own background (and its edge) show through.
    Label1->setAutoFillBackground(false);
    ui::setGeometryTwips(Label1, ui::Screen::twipsPerPixelX(), 0, 0, 0);
}

void frmHelp::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(kEdge);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

frmHelp* hoverWindow() {
    return ui::FormSlot<frmHelp>::peek();
}

void ShowHoverText(const QString& text) {
    if (text.isEmpty()) {
        if (frmHelp* f = hoverWindow())
            f->hide();
        return;
    }
    // A description already on screen is rewritten in place, so moving from one
    // button to the next does not make it blink.
    frmHelp& f = ui::FormSlot<frmHelp>::get();
    f.Label1->setText(text);
    f.Label1->adjustSize();  // the label sizes itself to the text
    const QSize fitted = f.Label1->size();
    const double tx = ui::Screen::twipsPerPixelX();
    const double ty = ui::Screen::twipsPerPixelY();
    ui::setGeometryTwips(f.Label1, tx, 0, fitted.width() * tx, fitted.height() * ty);

    const QPoint at = ui::Pointer::current().position();
    ui::setGeometryTwips(&f, (at.x() - 2) * tx, (at.y() + 18) * ty, ui::width(f.Label1) + 4 * tx,
                         ui::height(f.Label1) + 2 * ty);
    f.raise();
    f.show();
}

}  // namespace search
