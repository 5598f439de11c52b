#include "ui/form.h"

#include <QApplication>
#include <QKeyEvent>

#include "ui/keyboard.h"
#include "ui/twips.h"

namespace ui {

namespace {
ModalRunner g_runner;
std::function<void()> g_endHook;
}  // namespace

Form::Form(QWidget* parent) : QDialog(parent) {
    installKeyboardRules();
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setSizeGripEnabled(true);
}

void Form::Unload() { close(); }

void Form::setDesignClientSizeTwips(double w, double h) {
    setClientSizeTwips(this, w, h);
    setMinimumSize(toPixels(w), toPixels(h));
}

void Form::keepDesignSize() {
    setFixedSize(minimumSize());
    setSizeGripEnabled(false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
}

void Form::keyPressEvent(QKeyEvent* e) {
    // The windows close by their own Close buttons; Escape or Enter must not
    // close a dialog behind the user's back as QDialog would.
    if (e->key() == Qt::Key_Escape || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->ignore();
        return;
    }
    QDialog::keyPressEvent(e);
}

void runModal(QDialog& dialog) {
    if (g_runner) {
        g_runner(dialog);
        return;
    }
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.exec();
}

void setModalRunner(ModalRunner runner) { g_runner = std::move(runner); }

void endProgram() {
    if (g_endHook) {
        g_endHook();
        return;
    }
    QApplication::closeAllWindows();
    QApplication::exit(0);
}

void setEndProgramHook(std::function<void()> hook) { g_endHook = std::move(hook); }

}  // namespace ui
