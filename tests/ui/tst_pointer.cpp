// The pointer the hover help polls: the real one by default, a virtual one for
// tests, and what lies under a point.

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "fixtures.h"
#include "tests.h"
#include "ui/pointer.h"

namespace {

class TestPointer : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QCOMPARE(testsupport::visibleWindows().size(), 0); }

    // What lies under a point, for the virtual pointer and the real one; a
    // description window lying over the point takes no part.
    void widgetUnderAPoint() {
        QWidget window;
        window.setGeometry(100, 100, 300, 200);
        auto* panel = new QWidget(&window);
        panel->setGeometry(10, 10, 200, 150);
        auto* button = new QPushButton(QStringLiteral("Go"), panel);
        button->setGeometry(20, 20, 80, 30);
        QVERIFY(testsupport::showActive(window));
        QWidget tip(nullptr, Qt::ToolTip);
        tip.setGeometry(window.geometry());
        tip.show();

        QVERIFY(dynamic_cast<ui::RealPointer*>(&ui::Pointer::current()));  // the program's, unless a test installs one
        ui::RealPointer real;
        QCOMPARE(real.activeWindow(), &window);
        QCOMPARE(real.widgetAt(button->mapToGlobal(QPoint(5, 5))), button);
        QCOMPARE(real.widgetAt(window.mapToGlobal(QPoint(290, 190))), &window);

        ui::VirtualPointer vp;
        vp.moveOnto(button);
        QCOMPARE(vp.widgetAt(vp.position()), button);
        vp.moveOnto(panel, QPoint(150, 120));
        QCOMPARE(vp.widgetAt(vp.position()), panel);
        vp.moveOnto(&window, QPoint(290, 190));
        QCOMPARE(vp.widgetAt(vp.position()), &window);
        vp.moveOnto(&window, QPoint(-50, -50));
        QCOMPARE(vp.widgetAt(vp.position()), nullptr);
        tip.close();
        window.close();
    }
};

}  // namespace

QObject* makePointerTest() {
    return new TestPointer;
}

#include "tst_pointer.moc"
