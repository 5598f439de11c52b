#include "ui/pointer.h"

#include <QApplication>
#include <QCursor>

namespace ui {

namespace {
Pointer* g_installed = nullptr;

RealPointer& realPointer() {
    static RealPointer real;
    return real;
}

bool passesMouseThrough(const QWidget* w) {
    return w->testAttribute(Qt::WA_TransparentForMouseEvents) || w->windowType() == Qt::ToolTip;
}

QWidget* innermostAt(QWidget* window, const QPoint& screenPos) {
    const QPoint local = window->mapFromGlobal(screenPos);
    if (!window->rect().contains(local))
        return nullptr;
    QWidget* child = window->childAt(local);
    return child ? child : window;
}
}  // namespace

Pointer& Pointer::current() {
    return g_installed ? *g_installed : realPointer();
}

void Pointer::install(Pointer* pointer) {
    g_installed = pointer;
}

QWidget* RealPointer::activeWindow() const {
    return QApplication::activeWindow();
}

QPoint RealPointer::position() const {
    return QCursor::pos();
}

QWidget* RealPointer::widgetAt(const QPoint& screenPos) const {
    // The active window lies on top of the program's others, so a point inside
    // it is answered here; asking the window system costs several round trips,
    // which a hover poll every few milliseconds would pay all the time.
    QWidget* active = QApplication::activeWindow();
    if (active && active->isVisible()) {
        if (QWidget* w = innermostAt(active, screenPos))
            return w;
    }
    return QApplication::widgetAt(screenPos);
}

VirtualPointer::VirtualPointer() {
    Pointer::install(this);
}

VirtualPointer::~VirtualPointer() {
    if (g_installed == this)
        Pointer::install(nullptr);
}

void VirtualPointer::moveOnto(const QWidget* w, QPoint local) {
    if (local == QPoint(-1, -1))
        local = w->rect().center();
    pos_ = w->mapToGlobal(local);
}

void VirtualPointer::setActiveWindow(QWidget* w) {
    active_ = w;
    activeSet_ = w != nullptr;
}

QWidget* VirtualPointer::activeWindow() const {
    if (activeSet_)
        return active_.data();
    return QApplication::activeWindow();
}

QWidget* VirtualPointer::widgetAt(const QPoint& screenPos) const {
    QWidget* active = activeWindow();
    if (active && active->isVisible() && !passesMouseThrough(active)) {
        if (QWidget* w = innermostAt(active, screenPos))
            return w;
    }
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top == active || !top->isVisible() || passesMouseThrough(top))
            continue;
        if (QWidget* w = innermostAt(top, screenPos))
            return w;
    }
    return nullptr;
}

}  // namespace ui
