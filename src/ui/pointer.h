#pragma once

// Where the mouse pointer is, which window is active, and which widget lies
// under a point: what hover help polls. The program uses the real pointer;
// tests install a virtual one and move it by hand.

#include <QPoint>
#include <QPointer>
#include <QWidget>

namespace ui {

class Pointer {
public:
    virtual ~Pointer() = default;

    // The active top-level window, or nullptr.
    virtual QWidget* activeWindow() const = 0;
    // The pointer position in screen pixels.
    virtual QPoint position() const = 0;
    // The innermost widget at a screen point, or nullptr over no window of ours.
    virtual QWidget* widgetAt(const QPoint& screenPos) const = 0;

    // The pointer in use: an installed one, otherwise the real one.
    static Pointer& current();
    // Installs a pointer (the caller keeps ownership); nullptr restores the real one.
    static void install(Pointer* pointer);
};

// The mouse and the window system as they are.
class RealPointer final : public Pointer {
public:
    QWidget* activeWindow() const override;
    QPoint position() const override;
    QWidget* widgetAt(const QPoint& screenPos) const override;
};

// A pointer moved by code. Installs itself while it lives.
class VirtualPointer final : public Pointer {
public:
    VirtualPointer();
    ~VirtualPointer() override;
    VirtualPointer(const VirtualPointer&) = delete;
    VirtualPointer& operator=(const VirtualPointer&) = delete;

    void moveTo(const QPoint& screenPos) { pos_ = screenPos; }
    // Onto a point of a widget (its centre by default), in the widget's coordinates.
    void moveOnto(const QWidget* w, QPoint local = QPoint(-1, -1));
    // Pretends another window is active; nullptr goes back to the application's.
    void setActiveWindow(QWidget* w);

    QWidget* activeWindow() const override;
    QPoint position() const override { return pos_; }
    // The visible windows of the program are searched, the active one first;
    // windows that take no mouse input (descriptions, tool tips) are passed over.
    QWidget* widgetAt(const QPoint& screenPos) const override;

private:
    QPoint pos_;
    QPointer<QWidget> active_;
    bool activeSet_ = false;
};

}  // namespace ui
