#include "ui/keyboard.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabBar>
#include <QToolButton>
#include <algorithm>
#include <utility>

#include "ui/indextab.h"

namespace ui {

namespace {

bool shown(const QWidget* w) { return w->isVisible() && w->isEnabled(); }

// A scroll area that holds a page of controls is their container, not a stop.
bool isTabStop(const QWidget* w) {
    return shown(w) && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && !w->isWindow() &&
           !qobject_cast<const QScrollArea*>(w);
}

// A focusable widget's focusable insides (a combo box's field, a view's
// scroll bars) are part of it, not stops of their own.
bool insideStop(const QWidget* w, const QWidget* window) {
    for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget()) {
        if (isTabStop(p) || qobject_cast<const QAbstractItemView*>(p)) return true;
    }
    return false;
}

// Siblings in reading order: rows from top to bottom, left to right in a row.
// A widget joins the row while its top is above the middle of every widget in
// the row, so a tall frame beside a column of small controls takes only the first.
void sortByReading(QList<QWidget*>& items) {
    std::stable_sort(items.begin(), items.end(), [](QWidget* a, QWidget* b) { return a->y() < b->y(); });
    QList<QWidget*> out;
    for (qsizetype i = 0; i < items.size();) {
        int limit = items[i]->geometry().center().y();
        qsizetype j = i + 1;
        while (j < items.size() && items[j]->y() < limit) limit = std::min(limit, items[j++]->geometry().center().y());
        QList<QWidget*> row = items.mid(i, j - i);
        std::stable_sort(row.begin(), row.end(), [](QWidget* a, QWidget* b) { return a->x() < b->x(); });
        out += row;
        i = j;
    }
    items = out;
}

// Every shown widget below `w` for which `wanted` holds, in reading order,
// containers' contents kept together. Only widgets that are wanted or hold
// wanted ones take part in the order, so a tall label cannot bend the rows.
template <class Pred>
QList<QWidget*> collect(QWidget* w, const Pred& wanted) {
    QList<std::pair<QWidget*, QList<QWidget*>>> parts;
    QList<QWidget*> kids;
    for (QObject* o : w->children()) {
        auto* c = qobject_cast<QWidget*>(o);
        if (!c || c->isWindow() || !c->isVisible()) continue;
        QList<QWidget*> inside = collect(c, wanted);
        if (!wanted(c) && inside.isEmpty()) continue;
        kids.push_back(c);
        parts.push_back({c, std::move(inside)});
    }
    sortByReading(kids);
    QList<QWidget*> out;
    for (QWidget* c : kids) {
        if (wanted(c)) out.push_back(c);
        for (const auto& [k, inside] : parts) {
            if (k == c) out += inside;
        }
    }
    return out;
}

// The option group a button belongs to: its auto-exclusive siblings.
QList<QRadioButton*> optionGroup(QRadioButton* r) {
    QList<QRadioButton*> group;
    if (!r->parentWidget() || !r->autoExclusive()) return {r};
    for (QObject* o : r->parentWidget()->children()) {
        if (auto* s = qobject_cast<QRadioButton*>(o); s && s->autoExclusive() && isTabStop(s)) group.push_back(s);
    }
    return group;
}

// ---------------------------------------------------------------- access keys

struct Owner {
    QWidget* widget = nullptr;  // the control that owns the key
    int tab = -1;               // a tab of a tab bar
    QAction* menu = nullptr;    // a menu of a menu bar
};

QKeySequence accessKeyOf(const QString& text) { return QKeySequence::mnemonic(text); }

QList<Owner> ownersOf(QWidget* window, const QKeySequence& key) {
    QList<Owner> owners;
    const auto visibleHere = [](const QWidget* w) { return shown(w); };
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window || !visibleHere(w)) continue;
        if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            if (b->shortcut() == key) owners.push_back({b});
        } else if (auto* l = qobject_cast<QLabel*>(w)) {
            if (l->buddy() && l->textFormat() != Qt::RichText && accessKeyOf(l->text()) == key) owners.push_back({l});
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            if (accessKeyOf(g->title()) == key) owners.push_back({g});
        } else if (auto* bar = qobject_cast<QTabBar*>(w)) {
            for (int t = 0; t < bar->count(); ++t) {
                if (bar->isTabEnabled(t) && bar->isTabVisible(t) && accessKeyOf(bar->tabText(t)) == key)
                    owners.push_back({bar, t});
            }
        } else if (auto* mb = qobject_cast<QMenuBar*>(w)) {
            for (QAction* a : mb->actions()) {
                if (a->isVisible() && a->isEnabled() && accessKeyOf(a->text()) == key) owners.push_back({mb, -1, a});
            }
        }
    }
    return owners;
}

// Where a control stands in the tab order: (position of its stop, tab index).
// Menus come first, as they stand above everything else.
std::pair<int, int> orderOf(QWidget* w, int tab, const QList<QWidget*>& order) {
    if (qobject_cast<QMenuBar*>(w)) return {-1, 0};
    for (QWidget* p = w; p; p = p->parentWidget()) {
        const qsizetype i = order.indexOf(p);
        if (i >= 0) return {int(i), std::max(tab, 0)};
        if (auto* l = qobject_cast<QLabel*>(p); l && l->buddy()) {
            const qsizetype j = order.indexOf(l->buddy());
            if (j >= 0) return {int(j), 0};
        }
    }
    return {int(order.size()), 0};
}

QWidget* firstStopIn(QWidget* container) {
    const QList<QWidget*> stops =
        collect(container, [container](QWidget* c) { return isTabStop(c) && !insideStop(c, container->window()); });
    if (stops.isEmpty()) return nullptr;
    if (auto* r = qobject_cast<QRadioButton*>(stops.first())) {
        for (QRadioButton* s : optionGroup(r)) {
            if (s->isChecked()) return s;
        }
    }
    return stops.first();
}

void selectTab(QTabBar* bar, int tab) {
    if (auto* owner = qobject_cast<IndexTab*>(bar->parentWidget())) {
        // Focus on the page that goes would be handed by the toolkit to whatever
        // follows it in its own chain; it goes to the tab row, as after a click
        // on the tab (the page's Click may still place it elsewhere).
        QWidget* f = QApplication::focusWidget();
        if (f && f != bar && tab != owner->CurrTab() && owner->isAncestorOf(f))
            bar->setFocus(Qt::ShortcutFocusReason);
        owner->setCurrTab(tab);
    } else {
        bar->setCurrentIndex(tab);
    }
}

void act(const Owner& o) {
    if (o.menu) {
        static_cast<QMenuBar*>(o.widget)->setActiveAction(o.menu);
    } else if (o.tab >= 0) {
        auto* bar = static_cast<QTabBar*>(o.widget);
        selectTab(bar, o.tab);
        QWidget* f = QApplication::focusWidget();
        if (!f || !f->isVisible()) bar->setFocus(Qt::ShortcutFocusReason);
    } else if (auto* b = qobject_cast<QAbstractButton*>(o.widget)) {
        if (b->focusPolicy() != Qt::NoFocus) b->setFocus(Qt::ShortcutFocusReason);
        b->click();
    } else if (auto* l = qobject_cast<QLabel*>(o.widget)) {
        l->buddy()->setFocus(Qt::ShortcutFocusReason);
    } else if (QWidget* inside = firstStopIn(o.widget)) {
        inside->setFocus(Qt::ShortcutFocusReason);
    }
}

// A shared key takes the focus to its owner; a tab is selected and a menu opens,
// as neither can hold the focus otherwise. The current tab is not chosen again:
// its Click would redo what opening the page did.
void takeTurn(const Owner& o) {
    if (o.tab >= 0 && static_cast<QTabBar*>(o.widget)->currentIndex() == o.tab) {
        o.widget->setFocus(Qt::ShortcutFocusReason);
    } else if (o.menu || o.tab >= 0) {
        act(o);
        if (o.tab >= 0) o.widget->setFocus(Qt::ShortcutFocusReason);
    } else if (auto* l = qobject_cast<QLabel*>(o.widget)) {
        l->buddy()->setFocus(Qt::ShortcutFocusReason);
    } else if (qobject_cast<QGroupBox*>(o.widget)) {
        act(o);
    } else {
        o.widget->setFocus(Qt::ShortcutFocusReason);
    }
}

// fromMenu: the key was pressed in a menu it opened, whose turn that was.
bool handleAccessKey(QWidget* window, const QKeySequence& key, bool fromMenu = false) {
    const QList<Owner> owners = ownersOf(window, key);
    if (owners.isEmpty()) return false;
    if (owners.size() == 1) {
        act(owners.first());
        return true;
    }
    const QList<QWidget*> order = tabStops(window);
    QWidget* focus = QApplication::focusWidget();
    std::pair<int, int> here{-2, 0};
    if (fromMenu) {
        here = {-1, 0};
    } else if (focus && focus->window() == window) {
        auto* bar = qobject_cast<QTabBar*>(focus);
        here = orderOf(focus, bar ? bar->currentIndex() : 0, order);
    }
    QList<std::pair<std::pair<int, int>, Owner>> ranked;
    for (const Owner& o : owners) ranked.push_back({orderOf(o.widget, o.tab, order), o});
    std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [rank, o] : ranked) {
        if (rank > here) {
            takeTurn(o);
            return true;
        }
    }
    takeTurn(ranked.first().second);
    return true;
}

bool isAccessKey(const QKeyEvent* e) {
    const Qt::KeyboardModifiers mods = e->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (mods != Qt::AltModifier) return false;
    const int k = e->key();
    return (k >= Qt::Key_A && k <= Qt::Key_Z) || (k >= Qt::Key_0 && k <= Qt::Key_9);
}

// ---------------------------------------------------------------- tab and pages

void moveFocus(QWidget* window, bool forward) {
    const QList<QWidget*> stops = tabStops(window);
    if (stops.isEmpty()) return;
    QWidget* focus = QApplication::focusWidget();
    qsizetype at = -1;
    for (QWidget* p = focus; p && at < 0 && p != window; p = p->parentWidget()) at = stops.indexOf(p);
    if (at < 0 && focus) {
        // An option that is not its group's stop stands where its group's stop stands.
        if (auto* r = qobject_cast<QRadioButton*>(focus)) {
            for (QRadioButton* s : optionGroup(r)) {
                if ((at = stops.indexOf(s)) >= 0) break;
            }
        }
    }
    const qsizetype n = stops.size();
    const qsizetype next = at < 0 ? (forward ? 0 : n - 1) : (at + (forward ? 1 : n - 1)) % n;
    stops[next]->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

IndexTab* indexTabOf(QWidget* window) {
    if (QWidget* f = QApplication::focusWidget()) {
        for (QWidget* p = f; p && p != window; p = p->parentWidget()) {
            if (auto* t = qobject_cast<IndexTab*>(p)) return t;
        }
    }
    for (IndexTab* t : window->findChildren<IndexTab*>()) {
        if (t->isVisible()) return t;
    }
    return nullptr;
}

bool switchPage(QWidget* window, bool forward) {
    IndexTab* tabs = indexTabOf(window);
    if (!tabs || tabs->count() == 0) return false;
    const int n = tabs->count();
    int t = tabs->CurrTab();
    for (int step = 0; step < n; ++step) {
        t = (t + (forward ? 1 : n - 1)) % n;
        if (tabs->tabBar()->isTabEnabled(t) && tabs->tabBar()->isTabVisible(t)) break;
    }
    tabs->setCurrTab(t);
    QWidget* f = QApplication::focusWidget();
    if (!f || !f->isVisible()) tabs->tabBar()->setFocus(Qt::OtherFocusReason);
    return true;
}

// A menu a shared key opened hands the key on when none of its own entries
// owns it: the menu closes and the key takes its next turn in the window, so
// repeated presses keep going round.
bool passOverMenu(QWidget* popup, const QKeyEvent* k) {
    auto* menu = qobject_cast<QMenu*>(popup);
    if (!menu || !isAccessKey(k) || !qobject_cast<QMenuBar*>(menu->parentWidget())) return false;
    const QKeySequence key(int(k->modifiers() & Qt::AltModifier) | k->key());
    for (QAction* a : menu->actions()) {
        if (a->isVisible() && accessKeyOf(a->text()) == key) return false;
    }
    QWidget* window = menu->parentWidget()->window();
    if (ownersOf(window, key).size() < 2) return false;
    menu->close();
    return handleAccessKey(window, key, true);
}

class KeyboardRules : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() != QEvent::KeyPress && e->type() != QEvent::ShortcutOverride) return false;
        auto* w = qobject_cast<QWidget*>(watched);
        if (!w) return false;
        if (QWidget* popup = QApplication::activePopupWidget())
            return e->type() == QEvent::KeyPress && passOverMenu(popup, static_cast<QKeyEvent*>(e));
        QWidget* window = w->window();
        if (window->windowFlags().testFlag(Qt::Popup) || qobject_cast<QMenu*>(window)) return false;
        auto* k = static_cast<QKeyEvent*>(e);
        const bool override = e->type() == QEvent::ShortcutOverride;

        if (isAccessKey(k)) {
            const QKeySequence key(int(k->modifiers() & Qt::AltModifier) | k->key());
            if (ownersOf(window, key).isEmpty()) return false;
            if (override) {
                e->accept();  // ours, not the shortcut map's
                return true;
            }
            return handleAccessKey(window, key);
        }

        const Qt::KeyboardModifiers mods = k->modifiers() & ~Qt::KeypadModifier;
        const int key = k->key();
        const bool ctrl = mods.testFlag(Qt::ControlModifier);
        const bool plainTab = (key == Qt::Key_Tab && (mods == Qt::NoModifier)) ||
                              (key == Qt::Key_Backtab && (mods == Qt::ShiftModifier || mods == Qt::NoModifier));
        const bool pageKey = ctrl && (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_PageDown ||
                                      key == Qt::Key_PageUp);
        const bool enter = (key == Qt::Key_Return || key == Qt::Key_Enter) && mods == Qt::NoModifier &&
                           (qobject_cast<QPushButton*>(w) || qobject_cast<QToolButton*>(w));
        if (!plainTab && !pageKey && !enter) return false;
        if (override) {
            e->accept();
            return true;
        }
        if (plainTab) {
            moveFocus(window, key == Qt::Key_Tab);
        } else if (pageKey) {
            const bool forward = key == Qt::Key_PageDown || (key == Qt::Key_Tab && !mods.testFlag(Qt::ShiftModifier));
            if (!switchPage(window, forward)) return false;
        } else {
            static_cast<QAbstractButton*>(w)->click();
        }
        return true;
    }
};

}  // namespace

void installKeyboardRules() {
    static KeyboardRules* rules = nullptr;
    if (rules || !QCoreApplication::instance()) return;
    rules = new KeyboardRules(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(rules);
}

void keepDesignedTabOrder(QWidget* window) { window->setProperty("pwdemoDesignedTabOrder", true); }

QList<QWidget*> tabStops(QWidget* window) {
    const auto isStop = [window](QWidget* c) { return isTabStop(c) && !insideStop(c, window); };
    QList<QWidget*> all;
    if (window->property("pwdemoDesignedTabOrder").toBool()) {
        for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
            if (isStop(w)) all.push_back(w);
        }
    } else {
        all = collect(window, isStop);
    }
    // An option group is one stop: its selected option (the first while none is).
    QList<QWidget*> stops;
    for (QWidget* w : all) {
        auto* r = qobject_cast<QRadioButton*>(w);
        if (!r) {
            stops.push_back(w);
            continue;
        }
        const QList<QRadioButton*> group = optionGroup(r);
        QRadioButton* stop = group.first();
        for (QRadioButton* s : group) {
            if (s->isChecked()) stop = s;
        }
        if (!stops.contains(stop)) stops.push_back(stop);
    }
    return stops;
}

}  // namespace ui
