// Random input on every window the main menu opens: clicks weighted towards
// controls, keys, bursts of odd text, pastes, resizes, tab switches and
// assistive technology's actions, some of them arriving during a pause, with
// pauses shortened but real. Asserted is only what must hold whatever the input:
// no crash, no message box left open or repeating by itself, and the window
// still closes. The windows' own tests say what the input should do.
//
// PWDEMO_RANDOM_SEED=n reproduces a run (each window draws from the seed and its
// button, so one row alone reproduces too). Each window gets the same number of
// steps on every machine, so a failure seen anywhere is seen here;
// PWDEMO_RANDOM_STEPS=n gives longer (or shorter) runs.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QRandomGenerator>
#include <QSet>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <deque>

#include "app/application.h"
#include "fixtures.h"
#include "shell/mainmenu.h"
#include "ui/controls.h"
#include "ui/pause.h"

namespace {

quint32 envNumber(const char* name, quint32 fallback) {
    bool ok = false;
    const quint32 v = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? v : fallback;
}

const quint32 kSeed = envNumber("PWDEMO_RANDOM_SEED", 20261206);
const int kSteps = static_cast<int>(envNumber("PWDEMO_RANDOM_STEPS", 400));

// Texts that have broken number fields elsewhere, and some that break text handling.
QStringList oddTexts() {
    return {QStringLiteral("-0"), QStringLiteral("1e999"), QStringLiteral("32001"), QStringLiteral("12:30"),
            QStringLiteral("1,5"), QStringLiteral("1.5"), QStringLiteral("-1"), QStringLiteral("0"),
            QStringLiteral("360.001"), QStringLiteral("<1900"), QStringLiteral(">-5"), QStringLiteral("?"),
            QStringLiteral("1.5.3"), QStringLiteral("7 5"), QStringLiteral(",,"), QStringLiteral("nan"),
            QStringLiteral("-inf"), QStringLiteral("1e-999"), QStringLiteral("0x1F"), QStringLiteral("&&x"),
            QStringLiteral(" "), QString(), QString(400, u'9'), QString(2000, u'W'),
            QStringLiteral("\u00e9\u0663\uff11\u2212\u00a0\u202e"), QStringLiteral("\U0001F600\U0001F600"),
            QString(QChar(0xD800)), QStringLiteral("\x01\x07\x08\x1b\x7f\t\r\n"),
            QStringLiteral("%s%n%1"), QStringLiteral("<b>x</b>")};
}

bool isControl(const QWidget* w) {
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QTabBar*>(w) || qobject_cast<const QAbstractSlider*>(w) ||
           qobject_cast<const QMenuBar*>(w);
}

// Drives one window from the main menu with seeded random input.
class Driver {
public:
    Driver(shell::Form1& menu, int feature, quint32 seed)
        : menu_(menu), feature_(feature), rng_(seed), texts_(oddTexts()) {}

    // The window input goes to, as for a user: an open menu or list first, then
    // the topmost modal window; null when the feature window is closed.
    static QWidget* top() {
        if (QWidget* p = QApplication::activePopupWidget())
            return p;
        return QApplication::activeModalWidget();
    }

    bool open() {
        // A closed window is deleted before the next click reaches the menu, as
        // the event loop would do it.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QTest::mouseClick(menu_.cmdAction.at(static_cast<size_t>(feature_)), Qt::LeftButton);
        ++opened_;
        return settleOnTop();
    }

    // One random action, then the events it caused, as the event loop would
    // handle them. Returns false when the window can no longer be opened.
    bool step(int n) {
        if (!top() && !open())
            return false;
        current_ = n;
        pressed_.clear();
        const quint32 kind = rng_.bounded(100);
        if (kind < 43)
            click();  // a tab bar among the controls: a tab switch
        else if (kind < 65)
            key();
        else if (kind < 77)
            typeBurst();
        else if (kind < 83)
            paste();
        else if (kind < 87)
            resize();
        else if (kind < 99)
            accessibleAction(kind >= 93);
        else
            requestClose();
        // Events queue up for a few actions now and then, as when the user is
        // quicker than the program.
        if (rng_.bounded(3) != 0) {
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        if (QWidget* t = top(); t && t != lastTop_)
            settleOnTop();
        if (!top() && !pressed_.isEmpty())
            closers_.insert(pressed_);
        return true;
    }

    QString recentSteps() const { return QStringList(log_.begin(), log_.end()).join(u'\n'); }
    int opened() const { return opened_; }
    int scheduled() const { return scheduled_; }

private:
    void note(const QString& what) {
        log_.push_back(QStringLiteral("#%1 %2").arg(current_).arg(what));
        if (log_.size() > 40)
            log_.pop_front();
    }

    static QString nameOf(const QWidget* w) {
        const QString name = w->objectName();
        return QString::fromLatin1(w->metaObject()->className()) +
               (name.isEmpty() ? QString() : QStringLiteral(" ") + name);
    }

    bool settleOnTop() {
        QPointer<QWidget> t = top();
        lastTop_ = t;
        if (!t)
            return false;
        if (!QApplication::activePopupWidget()) {
            t->activateWindow();
            if (!QTest::qWaitForWindowActive(t, 500) && t)
                note(QStringLiteral("%1 did not become active").arg(nameOf(t)));
        }
        return true;
    }

    int pick(qsizetype count) { return static_cast<int>(rng_.bounded(static_cast<quint32>(count))); }

    static QString idOf(const QWidget* w) {
        const auto* b = qobject_cast<const QAbstractButton*>(w);
        return w->objectName().isEmpty() && b ? b->text() : w->objectName();
    }
    // Buttons seen closing the window are mostly spared: reopening costs much
    // of the time, and the time is better spent inside.
    bool spare(const QWidget* w) { return w && closers_.contains(idOf(w)) && rng_.bounded(8) != 0; }
    void pressing(const QWidget* w) {
        if (qobject_cast<const QAbstractButton*>(w))
            pressed_ = idOf(w);
    }

    // Visible widgets of the top window, controls only when `controls` is set.
    QList<QWidget*> widgets(bool controls) const {
        QList<QWidget*> out;
        QWidget* t = top();
        if (!t)
            return out;
        for (QWidget* w : t->findChildren<QWidget*>()) {
            if (w->isVisible() && w->window() == t && (!controls || isControl(w)))
                out << w;
        }
        return out;
    }

    QWidget* keyTarget() const {
        QWidget* f = QApplication::focusWidget();
        QWidget* t = top();
        return f && t && f->window() == t ? f : t;
    }

    QPoint randomPointIn(const QWidget* w) {
        return {pick(std::max(1, w->width())), pick(std::max(1, w->height()))};
    }

    void click() {
        QWidget* t = top();
        QWidget* target = nullptr;
        QPoint at;
        const QList<QWidget*> controls = widgets(true);
        if (!controls.isEmpty() && rng_.bounded(4) != 0) {
            target = controls.at(pick(controls.size()));
            if (spare(target))
                target = controls.at(pick(controls.size()));
            pressing(target);
            if (auto* view = qobject_cast<QAbstractItemView*>(target))
                target = view->viewport();
            at = randomPointIn(target);
            if (auto* bar = qobject_cast<QTabBar*>(target); bar && bar->count() > 0)
                at = bar->tabRect(pick(bar->count())).center();
        } else {
            at = randomPointIn(t);
            target = t->childAt(at);
            if (target)
                at = target->mapFrom(t, at);
            else
                target = t;
        }
        const quint32 how = rng_.bounded(20);
        const Qt::MouseButton button = how == 0 ? Qt::RightButton : Qt::LeftButton;
        note(QStringLiteral("%1 at %2,%3 on %4")
                 .arg(how == 1 ? u"double click" : button == Qt::RightButton ? u"right click" : u"click")
                 .arg(at.x())
                 .arg(at.y())
                 .arg(nameOf(target)));
        QPointer<QWidget> guard(target);
        QTest::mouseClick(target, button, {}, at);
        if (how == 1 && guard)
            QTest::mouseDClick(target, button, {}, at);
    }

    // The access keys the top window shows, as Alt+letter keys, and their owners.
    QList<std::pair<QKeyCombination, QWidget*>> accessKeys() const {
        QList<std::pair<QKeyCombination, QWidget*>> keys;
        QWidget* owner = nullptr;
        const auto add = [&keys, &owner](const QString& caption) {
            const QKeySequence k = QKeySequence::mnemonic(caption);
            if (!k.isEmpty())
                keys.push_back({k[0], owner});
        };
        for (QWidget* w : widgets(false)) {
            owner = w;
            if (auto* b = qobject_cast<QAbstractButton*>(w))
                add(b->text());
            else if (auto* l = qobject_cast<QLabel*>(w))
                add(l->text());
            else if (auto* g = qobject_cast<QGroupBox*>(w))
                add(g->title());
            else if (auto* bar = qobject_cast<QTabBar*>(w))
                for (int i = 0; i < bar->count(); ++i) add(bar->tabText(i));
            else if (auto* mb = qobject_cast<QMenuBar*>(w))
                for (QAction* a : mb->actions()) add(a->text());
        }
        return keys;
    }

    void key() {
        static const QList<QKeyCombination> plain{
            Qt::Key_Tab, Qt::Key_Tab, Qt::SHIFT | Qt::Key_Backtab, Qt::Key_Return, Qt::Key_Enter,
            Qt::Key_Escape, Qt::Key_Space, Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right,
            Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End, Qt::Key_Delete, Qt::Key_Backspace,
            Qt::Key_F1, Qt::Key_F4, Qt::Key_Menu, Qt::CTRL | Qt::Key_Tab, Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab,
            Qt::CTRL | Qt::Key_PageDown, Qt::CTRL | Qt::Key_PageUp, Qt::CTRL | Qt::Key_A, Qt::CTRL | Qt::Key_C,
            Qt::CTRL | Qt::Key_X, Qt::CTRL | Qt::Key_Z, Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_Home,
            Qt::SHIFT | Qt::Key_End, Qt::ALT | Qt::Key_Down, Qt::Key_Alt};
        QKeyCombination k = plain.at(pick(plain.size()));
        QWidget* target = keyTarget();
        const quint32 kind = rng_.bounded(3);
        if (kind == 0) {
            const auto access = accessKeys();
            if (!access.isEmpty()) {
                const auto& [key, owner] = access.at(pick(access.size()));
                if (!spare(owner)) {
                    k = key;
                    pressing(owner);
                }
            }
        } else if (kind == 1 && rng_.bounded(3) == 0) {
            k = Qt::ALT | Qt::Key(Qt::Key_A + pick(26));
        } else if (k.key() == Qt::Key_Return || k.key() == Qt::Key_Enter || k.key() == Qt::Key_Space) {
            if (spare(target))
                k = Qt::Key_Tab;
            else
                pressing(target);
        }
        note(QStringLiteral("key %1 to %2").arg(QKeySequence(k).toString(), nameOf(target)));
        QTest::keyClick(target, k.key(), k.keyboardModifiers());
    }

    // Focuses a random text field now and then, so typing reaches fields often.
    void focusSomeField() {
        QList<QWidget*> fields;
        for (QWidget* w : widgets(true)) {
            if (qobject_cast<QLineEdit*>(w) && w->isEnabled())
                fields << w;
        }
        if (!fields.isEmpty() && rng_.bounded(2) == 0) {
            QWidget* f = fields.at(pick(fields.size()));
            note(QStringLiteral("focus %1").arg(nameOf(f)));
            QTest::mouseClick(f, Qt::LeftButton, {}, randomPointIn(f));
        }
    }

    QString oddText() {
        QString t = texts_.at(pick(texts_.size()));
        if (rng_.bounded(4) == 0) {  // or random characters, any plane
            t.clear();
            for (int i = pick(12) + 1; i > 0; --i) {
                const char32_t c = rng_.bounded(3) == 0 ? rng_.bounded(0x10FFFF) : rng_.bounded(0x80);
                t += QString::fromUcs4(&c, 1);
            }
        }
        return t;
    }

    void typeBurst() {
        focusSomeField();
        const QString text = oddText().left(300);  // long pastes are pasted below
        QWidget* target = keyTarget();
        note(QStringLiteral("type %1 chars \"%2\" into %3").arg(text.size()).arg(text.left(20), nameOf(target)));
        QPointer<QWidget> guard(target);
        for (const QChar c : text) {
            if (!guard || guard != keyTarget())
                break;  // the focus moved (a field's check took it): the rest goes elsewhere
            const ushort u = c.unicode();
            const Qt::Key k = u >= u'a' && u <= u'z' ? Qt::Key(Qt::Key_A + (u - u'a'))
                              : u >= 0x20 && u < 0x7f ? Qt::Key(u)
                                                      : Qt::Key_unknown;
            QTest::sendKeyEvent(QTest::Click, target, k, QString(c), Qt::NoModifier);
        }
    }

    void paste() {
        focusSomeField();
        const QString text = rng_.bounded(30) == 0 ? QString(5000, u'7') : oddText();
        QGuiApplication::clipboard()->setText(text);
        QWidget* target = keyTarget();
        const bool shiftInsert = rng_.bounded(3) == 0;
        note(QStringLiteral("paste \"%1\" (%2 chars) into %3").arg(text.left(20)).arg(text.size()).arg(nameOf(target)));
        QTest::keyClick(target, shiftInsert ? Qt::Key_Insert : Qt::Key_V, shiftInsert ? Qt::ShiftModifier : Qt::ControlModifier);
    }

    void resize() {
        QWidget* t = top();
        if (QApplication::activePopupWidget())
            return key();
        const quint32 kind = rng_.bounded(10);
        if (kind == 0) {
            note(QStringLiteral("maximize"));
            t->showMaximized();
        } else if (kind == 1) {
            note(QStringLiteral("normal size"));
            t->showNormal();
        } else {
            const int w = kind < 4 ? pick(40) + 1 : pick(4000) + 1;
            const int h = kind < 4 ? pick(40) + 1 : pick(3000) + 1;
            note(QStringLiteral("resize to %1 x %2").arg(w).arg(h));
            t->resize(w, h);
            if (rng_.bounded(4) != 0) {  // and mostly back to a usual size (painting huge is slow)
                QCoreApplication::processEvents();
                if (t == top())
                    t->resize(t->minimumSizeHint().expandedTo(QSize(pick(300) + 400, pick(200) + 300)));
            }
        }
    }

    // A press, toggle, text or tab as assistive technology gives it: now, or a
    // few milliseconds later, which often lands inside a running pause.
    void accessibleAction(bool later) {
        const QList<QWidget*> controls = widgets(true);
        if (controls.isEmpty())
            return key();
        QPointer<QWidget> w = controls.at(pick(controls.size()));
        if (spare(w))
            return key();
        pressing(w);
        const int child = pick(8);
        const QString text = oddText();
        note(QStringLiteral("assistive action on %1%2").arg(nameOf(w), later ? u" (later)" : u""));
        auto act = [w, child, text] {
            if (!w)
                return;
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
            if (iface && iface->childCount() > 0)
                iface = iface->child(child % iface->childCount());
            if (!iface)
                return;
            if (auto* edit = iface->editableTextInterface()) {
                edit->replaceText(0, iface->textInterface() ? iface->textInterface()->characterCount() : 0,
                                  text);
            } else if (auto* action = iface->actionInterface(); action && !action->actionNames().isEmpty()) {
                action->doAction(action->actionNames().constFirst());
            }
        };
        if (later)
            schedule(pick(25), act);
        else
            act();
    }

    // The close box, now or a moment later.
    void requestClose() {
        QPointer<QWidget> t = top();
        const bool later = rng_.bounded(2) == 0;
        note(QStringLiteral("close box of %1%2").arg(nameOf(t), later ? u" (later)" : u""));
        schedule(later ? pick(25) : 0, [t] {
            if (t)
                t->close();
        });
    }

    template <class F>
    void schedule(int ms, F f) {
        ++scheduled_;
        QTimer::singleShot(ms, qApp, [this, f] {
            --scheduled_;
            f();
        });
    }

    shell::Form1& menu_;
    int feature_;
    QRandomGenerator rng_;
    QStringList texts_;
    QPointer<QWidget> lastTop_;
    std::deque<QString> log_;
    QSet<QString> closers_;
    QString pressed_;
    int current_ = 0;
    int opened_ = 0;
    int scheduled_ = 0;
};

// Shows each recorded message box for real and answers it a moment later as a
// user would: OK, Return, Escape or the close box, in turn until it closes. A
// box may have to wait for a replay that began while it was up; one that no
// answer closes within two seconds is stuck (and hidden, so the run goes on).
void answerBoxesForReal(testsupport::MsgBoxRecorder& boxes, int& stuck) {
    boxes.setWhileOpen([&boxes, &stuck] {
        const ui::MsgRecord& r = boxes.boxes().constLast();
        QMessageBox box(QMessageBox::NoIcon, r.title, r.text, QMessageBox::Ok, QApplication::activeWindow());
        box.setTextFormat(Qt::PlainText);
        int next = static_cast<int>(boxes.boxes().size());
        QElapsedTimer waited;
        waited.start();
        QTimer answer;
        answer.setInterval(5);
        QObject::connect(&answer, &QTimer::timeout, &box, [&] {
            if (waited.elapsed() > 2000) {
                ++stuck;
                box.hide();
                return;
            }
            switch (next++ % 4) {
                case 0: QTest::mouseClick(box.button(QMessageBox::Ok), Qt::LeftButton); break;
                case 1: QTest::keyClick(&box, Qt::Key_Return); break;
                case 2: QTest::keyClick(&box, Qt::Key_Escape); break;
                default: box.close();
            }
        });
        answer.start();
        box.exec();
    });
}

class TestRandomInput : public QObject {
    Q_OBJECT

    std::unique_ptr<shell::Form1> menu;

private slots:
    void initTestCase() {
        testsupport::setUpHeadless();
        // Real pauses, only short: the replays and previews take the paths a
        // user meets, input arriving meanwhile included.
        ui::setPausesDisabled(false);
        ui::setPauseScale(0.02);
        menu = std::make_unique<shell::Form1>();
        app::registerFeatures(*menu);
        menu->Form_Load();
        QVERIFY(testsupport::showActive(*menu));
    }
    void cleanupTestCase() {
        ui::setPauseScale(1.0);
        menu.reset();
    }

    void everyWindowSurvivesRandomInput_data() {
        QTest::addColumn<int>("feature");
        for (int i = 0; i < shell::Form1::kFeatureCount; ++i) {
            const ui::PictureButton* b = menu->cmdAction.at(static_cast<size_t>(i));
            if (b->isEnabled())
                QTest::newRow(qPrintable(b->text().remove(u'&'))) << i;
        }
    }
    void everyWindowSurvivesRandomInput() {
        QFETCH(int, feature);
        const quint32 seed = kSeed + 7919u * static_cast<quint32>(feature);
        const QString where = QStringLiteral("PWDEMO_RANDOM_SEED=%1, window %2 (button %3)")
                                  .arg(kSeed)
                                  .arg(QString::fromUtf8(QTest::currentDataTag()))
                                  .arg(feature);
        qInfo("%s", qPrintable(where));
        testsupport::MsgBoxRecorder boxes;
        int stuck = 0;
        answerBoxesForReal(boxes, stuck);
        const QString stuckBox = QStringLiteral("a message box did not close on OK, Return, Escape or the close box");
        Driver driver(*menu, feature, seed);
        QVERIFY2(driver.open(), qPrintable(where + QStringLiteral(": the window did not open")));
        QElapsedTimer clock;
        clock.start();
        int steps = 0;
        for (int n = 0; n < kSteps; ++n) {
            steps = n + 1;
            const qsizetype before = boxes.boxes().size();
            const bool opens = driver.step(n);
            const qsizetype shown = boxes.boxes().size() - before;
            // A box that keeps coming back by itself (two field checks handing the
            // focus to each other) would hold the user forever.
            const QString fault = !opens       ? QStringLiteral("the main menu no longer opens the window")
                                  : stuck > 0  ? stuckBox
                                  : shown > 20 ? QStringLiteral("%1 message boxes at once").arg(shown)
                                               : QString();
            if (!fault.isEmpty())
                qWarning().noquote() << "last steps:\n" + driver.recentSteps();
            QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("%1, step %2: %3").arg(where).arg(n).arg(fault)));
        }
        QTRY_COMPARE(driver.scheduled(), 0);  // what was scheduled for later has landed
        const QString after = QStringLiteral("%1, after %2 steps").arg(where).arg(steps);
        QVERIFY2(!ui::msgBoxOpen() && stuck == 0, qPrintable(after + QStringLiteral(": ") + stuckBox));
        while (QWidget* p = QApplication::activePopupWidget()) p->close();
        // Nested windows first, then the window itself: each closes on request.
        while (QWidget* t = QApplication::activeModalWidget()) {
            QPointer<QWidget> window = t;
            const QString name = QString::fromLatin1(t->metaObject()->className());
            QVERIFY2(t->close(), qPrintable(after + QStringLiteral(": %1 refused to close").arg(name)));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY2(!window || !window->isVisible(),
                     qPrintable(after + QStringLiteral(": %1 stayed open").arg(name)));
        }
        QCOMPARE(testsupport::visibleWindows(), QList<QWidget*>{menu.get()});
        qInfo("%d steps, %d message boxes, opened %d times, %lld ms", steps,
              static_cast<int>(boxes.boxes().size()), driver.opened(), static_cast<long long>(clock.elapsed()));
    }
};

}  // namespace

QTEST_MAIN(TestRandomInput)
#include "tst_random_input.moc"
