// The picture control: scaled rendering on demand and its Click.

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "fixtures.h"
#include "tests.h"
#include "ui/picture.h"

namespace {

class TestPicture : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString arrow;  // a picture 16 wide and 24 high

private slots:
    void initTestCase() {
        arrow = dir.filePath(QStringLiteral("arrow.svg"));
        QFile f(arrow);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(
            "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 16 24' width='16' height='24'>"
            "<path d='M8 3v11M3 13h10l-5 7z' stroke='#1f3a5f' stroke-width='3'/></svg>");
    }
    void cleanup() { QCOMPARE(testsupport::visibleWindows().size(), 0); }

    void rendersOnFirstPaintKeepingItsShape_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QSize>("drawn");
        QTest::newRow("wider than the picture") << QSize(100, 48) << QSize(32, 48);
        QTest::newRow("taller than the picture") << QSize(16, 200) << QSize(16, 24);
    }
    void rendersOnFirstPaintKeepingItsShape() {
        QFETCH(QSize, size);
        QFETCH(QSize, drawn);
        ui::Picture p(arrow);
        p.resize(size);
        QVERIFY(p.rendered().isNull());  // nothing is drawn before it is seen
        p.show();
        QVERIFY(QTest::qWaitForWindowExposed(&p));
        QTRY_VERIFY(!p.rendered().isNull());
        QCOMPARE(p.rendered().deviceIndependentSize().toSize(), drawn);
        p.resize(size * 2);  // drawn afresh for the new size, not stretched
        QTRY_COMPARE(p.rendered().deviceIndependentSize().toSize(), drawn * 2);
        p.close();
    }

    void clickNeedsPressAndReleaseInside() {
        ui::Picture p(arrow);
        p.resize(40, 40);
        QVERIFY(testsupport::showActive(p));
        QSignalSpy spy(&p, &ui::Picture::Click);
        QTest::mouseClick(&p, Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        QTest::mouseClick(&p, Qt::RightButton);
        QCOMPARE(spy.count(), 1);
        QTest::mousePress(&p, Qt::LeftButton, {}, QPoint(20, 20));
        QTest::mouseRelease(&p, Qt::LeftButton, {}, QPoint(60, 20));  // dragged off first
        QCOMPARE(spy.count(), 1);
        p.close();
    }
};

}  // namespace

QObject* makePictureTest() {
    return new TestPicture;
}

#include "tst_picture.moc"
