// Keyboard only: on every page of every window the main menu opens, Tab reaches
// every control a user can work with and comes back round to where it began,
// the page's controls first, each option group on its selected option.

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>
#include <memory>

#include "app/application.h"
#include "fixtures.h"
#include "shell/mainmenu.h"
#include "ui/controls.h"
#include "ui/indextab.h"

namespace {

// Controls the user works with, judged by kind rather than by the keyboard
// rules' own idea of a stop: the insides of a combo box, a list or a text box
// are part of it.
bool worksWithKeyboard(const QWidget* w, const QWidget* window) {
    if (!w->isVisible() || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus))
        return false;
    const bool kind = qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
                      qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractScrollArea*>(w) ||
                      qobject_cast<const QScrollBar*>(w) || qobject_cast<const QTabBar*>(w);
    if (!kind || qobject_cast<const QScrollArea*>(w))
        return false;
    for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget()) {
        if (qobject_cast<const QComboBox*>(p) ||
            (qobject_cast<const QAbstractScrollArea*>(p) && !qobject_cast<const QScrollArea*>(p)))
            return false;
    }
    return true;
}

bool reached(QWidget* w, const QList<QWidget*>& walk) {
    if (walk.contains(w))
        return true;
    // An option group is one stop: any of its options stands for all.
    if (auto* r = qobject_cast<QRadioButton*>(w); r && r->autoExclusive() && r->parentWidget()) {
        for (QRadioButton* s : r->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
            if (walk.contains(s))
                return true;
    }
    return false;
}

class TestKeyboardWalk : public QObject {
    Q_OBJECT
    std::unique_ptr<shell::Form1> menu;

private slots:
    void initTestCase() {
        testsupport::setUpHeadless();
        menu = std::make_unique<shell::Form1>();
        app::registerFeatures(*menu);
        menu->Form_Load();
        QVERIFY(testsupport::showActive(*menu));
    }
    void cleanupTestCase() { menu.reset(); }

    void everyControlIsReachedByTab_data() {
        QTest::addColumn<int>("feature");
        for (int i = 0; i < shell::Form1::kFeatureCount; ++i)
            QTest::newRow(qPrintable(menu->cmdAction.at(size_t(i))->text().remove(u'&'))) << i;
    }
    void everyControlIsReachedByTab() {
        QFETCH(int, feature);
        testsupport::MsgBoxRecorder boxes;
        menu->cmdAction.at(size_t(feature))->click();
        QWidget* window = QApplication::activeModalWidget();
        QVERIFY(window && window != menu.get());
        QVERIFY(testsupport::showActive(*window));
        auto* tabs = window->findChild<ui::IndexTab*>();
        const int pages = tabs ? tabs->count() : 1;
        for (int page = 0; page < pages; ++page) {
            if (tabs) {
                tabs->setCurrTab(page);
                tabs->tabBar()->setFocus(Qt::TabFocusReason);
            }
            QCoreApplication::processEvents();
            const QString where = QStringLiteral("%1, page %2").arg(window->windowTitle()).arg(page);
            const QList<QWidget*> walk = testsupport::tabWalk();
            QVERIFY2(!walk.isEmpty(), qPrintable(where + QStringLiteral(": Tab never comes back")));
            for (QWidget* w : window->findChildren<QWidget*>()) {
                if (worksWithKeyboard(w, window) && w->window() == window)
                    QVERIFY2(reached(w, walk), qPrintable(QStringLiteral("%1: Tab never reaches %2 %3")
                                                              .arg(where, w->metaObject()->className(),
                                                                   w->objectName())));
            }
            // From the tab row, the page's controls come before the window's own
            // (its bottom buttons), and an option group is entered on its choice.
            bool left = false;
            for (QWidget* w : walk) {
                const bool onPage = tabs && tabs->isAncestorOf(w);
                QVERIFY2(!(onPage && left && w != tabs->tabBar()),
                         qPrintable(QStringLiteral("%1: %2 comes after the window's own controls").arg(where, w->objectName())));
                left = left || !onPage;
                if (auto* r = qobject_cast<QRadioButton*>(w); r && !r->isChecked()) {
                    for (QRadioButton* s : r->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
                        QVERIFY2(!s->isChecked() || !s->isVisible(),
                                 qPrintable(QStringLiteral("%1: the group of %2 is entered off its choice").arg(where, r->text())));
                }
            }
        }
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

}  // namespace

QTEST_MAIN(TestKeyboardWalk)
#include "tst_keyboard_walk.moc"
