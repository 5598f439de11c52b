#pragma once

// Feature windows: a dialog that runs its load sequence once, is shown modally
// without an owner, and unloads (deletes itself) when it closes. FormSlot<T> is
// the program-wide instance of a window class: built on first use, emptied when
// the window unloads, so the next use builds a fresh one.

#include <QDialog>
#include <QPointer>
#include <functional>

namespace ui {

class ElasticPanel;

class Form : public QDialog {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);

    // The window's load sequence; FormSlot runs it once, right after construction.
    virtual void Form_Load() {}

    // Closes and deletes the window.
    void Unload();

    // An elastic panel that is the window's whole client area; the design client
    // size is then its design size too.
    ElasticPanel* clientPanel(const QString& objectName);

    // The client area the window was designed for; also its minimum size.
    void setDesignClientSizeTwips(double w, double h);
    // For a window whose contents cannot use more room: it keeps its design size
    // and does not offer to grow (no size grip, no maximize button).
    void keepDesignSize();

    // On a screen whose free area is smaller than the window's design, the
    // window is made to fit that area and its contents scroll inside it, the
    // focused control always scrolled into view. Returns whether it had to.
    bool fitToScreen();
    // For a window with its own rule for a small screen and its own scrolling:
    // fitToScreen leaves it as it is.
    void setFitsScreenItself() { fitsScreenItself_ = true; }

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    bool fitsScreenItself_ = false;
    ElasticPanel* client_ = nullptr;
};

// How a modal window is shown: exec() in the program, show() in tests.
using ModalRunner = std::function<void(QDialog&)>;
void runModal(QDialog& dialog);
void setModalRunner(ModalRunner runner);  // empty function: back to exec()
// Whether runModal fits a window to a small screen first (on in the program;
// the headless tests' screen is small, so their windows keep their design).
void setFitToScreen(bool on);

// Ends the program at once, closing every window. Tests replace it.
void endProgram();
void setEndProgramHook(std::function<void()> hook);

template <class T>
class FormSlot {
public:
    // The instance, built (and loaded) if the slot is empty.
    static T& get() {
        if (!instance_) {
            instance_ = new T();
            instance_->Form_Load();
        }
        return *instance_;
    }
    static bool exists() { return !instance_.isNull(); }
    static T* peek() { return instance_.data(); }

    // What a main menu button does: build if needed, then show modally.
    static void showModal() { runModal(get()); }

private:
    static inline QPointer<T> instance_;
};

}  // namespace ui
