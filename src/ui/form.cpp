#include "ui/form.h"

#include <QApplication>
#include <QBoxLayout>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollArea>
#include <QSizeGrip>

#include "ui/elastic.h"
#include "ui/keyboard.h"
#include "ui/twips.h"

namespace ui {

namespace {
ModalRunner g_runner;
std::function<void()> g_endHook;
bool g_fitToScreen = true;

// What the window system adds around a window's client area (title bar and
// borders), reserved before the window is known to fit.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 40;

// Moves a widget to a new parent as it was: geometry and shown or hidden.
void moveInto(QWidget* w, QWidget* parent) {
    const QRect g = w->geometry();
    const bool hidden = w->isHidden();
    w->setParent(parent);
    w->setGeometry(g);
    w->setHidden(hidden);
}
}  // namespace

Form::Form(QWidget* parent) : QDialog(parent) {
    installKeyboardRules();
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setSizeGripEnabled(true);
}

void Form::Unload() { close(); }

ElasticPanel* Form::clientPanel(const QString& objectName) {
    client_ = new ElasticPanel(this);
    client_->setObjectName(objectName);
    auto* whole = new QVBoxLayout(this);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->addWidget(client_);
    return client_;
}

void Form::setDesignClientSizeTwips(double w, double h) {
    if (client_)
        client_->setDesignSizeTwips(w, h);
    setClientSizeTwips(this, w, h);
    setMinimumSize(toPixels(w), toPixels(h));
}

void Form::keepDesignSize() {
    setFixedSize(minimumSize());
    setSizeGripEnabled(false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
}

bool Form::fitToScreen() {
    const QScreen* s = screen();
    if (!s || fitsScreenItself_ || findChild<QScrollArea*>(QStringLiteral("fitToScreen"), Qt::FindDirectChildrenOnly))
        return false;
    const QRect avail = s->availableGeometry();
    const QSize room(avail.width() - kFrameWidth, avail.height() - kFrameHeight);
    const QSize need = size().expandedTo(minimumSize());
    if (need.width() <= room.width() && need.height() <= room.height())
        return false;

    // Everything the window holds moves, as it is, into one page that scrolls.
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("fitToScreenContent"));
    auto* inner = new QVBoxLayout(content);
    auto* whole = qobject_cast<QBoxLayout*>(layout());
    if (whole) {
        inner->setContentsMargins(whole->contentsMargins());
        inner->setSpacing(whole->spacing());
        while (whole->count() > 0) {
            const int stretch = whole->stretch(0);
            QLayoutItem* item = whole->takeAt(0);
            if (QWidget* w = item->widget()) {
                moveInto(w, content);
                inner->addWidget(w, stretch, item->alignment());
                delete item;
            } else {
                inner->addItem(item);
            }
        }
    }
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w != content && !w->isWindow() && !qobject_cast<QSizeGrip*>(w))
            moveInto(w, content);
    }
    content->setMinimumSize(need);
    auto* area = new QScrollArea(this);
    area->setObjectName(QStringLiteral("fitToScreen"));
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidgetResizable(true);
    area->setWidget(content);
    if (!whole)
        whole = new QVBoxLayout(this);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->addWidget(area);
    connect(qApp, &QApplication::focusChanged, area, [area](QWidget*, QWidget* now) {
        if (!now || !area->widget()->isAncestorOf(now))
            return;
        // A control larger than the view (a tab row) shows its start, not its end.
        const QRect r(now->mapTo(area->widget(), QPoint()), now->size().boundedTo(area->viewport()->size()));
        area->ensureVisible(r.center().x(), r.center().y(), r.width() / 2 + 1, r.height() / 2 + 1);
    });

    setMinimumSize(need.boundedTo(room) / 2);
    resize(need.boundedTo(room));
    move(avail.left() + std::max(0, (room.width() - width()) / 2),
         avail.top() + std::max(0, (room.height() - height()) / 2));
    return true;
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
    if (auto* form = qobject_cast<Form*>(&dialog); form && g_fitToScreen)
        form->fitToScreen();
    if (g_runner) {
        g_runner(dialog);
        return;
    }
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.exec();
}

void setModalRunner(ModalRunner runner) { g_runner = std::move(runner); }

void setFitToScreen(bool on) { g_fitToScreen = on; }

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
