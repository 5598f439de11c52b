// The picture control: scaled rendering on demand and its Click.

#include <QFile>
#include <QImage>
#include <tuple>
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

    // Beside the SVG, PNGs made at build time for the design size: used when the
    // box asks for exactly their size, the SVG otherwise.
    // The picture and the icon made of it: red is the 1x PNG, blue the 2x PNG,
    // anything else the SVG (an icon is never drawn from the SVG when it has PNGs).
    void buildTimeRastersServeTheirOwnSize_data() {
        QTest::addColumn<QSize>("box");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QColor>("seen");
        QTest::addColumn<QColor>("icon");
        const QColor red(Qt::red), blue(Qt::blue);
        QTest::newRow("design size") << QSize(16, 24) << 1.0 << red << red;
        QTest::newRow("design size, a little wider") << QSize(17, 24) << 1.0 << red << red;
        QTest::newRow("design size on a 2x screen") << QSize(16, 24) << 2.0 << blue << blue;
        QTest::newRow("twice the design size") << QSize(32, 48) << 1.0 << blue << blue;
        QTest::newRow("any other size") << QSize(20, 30) << 1.0 << QColor() << red;
    }
    void buildTimeRastersServeTheirOwnSize() {
        QFETCH(QSize, box);
        QFETCH(qreal, ratio);
        QFETCH(QColor, seen);
        QFETCH(QColor, icon);
        const QString svg = dir.filePath(QStringLiteral("sized.svg"));
        QVERIFY(QFile::exists(svg) || QFile::copy(arrow, svg));
        for (const auto& [name, size, colour] : {std::tuple{"sized.png", QSize(16, 24), QColor(Qt::red)},
                                                 std::tuple{"sized@2x.png", QSize(32, 48), QColor(Qt::blue)}}) {
            QImage raster(size, QImage::Format_RGB32);
            raster.fill(colour);
            QVERIFY(raster.save(dir.filePath(QLatin1String(name)), "PNG"));
        }
        const auto centre = [](const QPixmap& pm) { return pm.toImage().pixelColor(pm.width() / 2, pm.height() / 2); };
        const QPixmap pm = ui::renderPicture(svg, box, ratio);
        QVERIFY(!pm.isNull());
        QCOMPARE(pm.devicePixelRatio(), ratio);
        if (seen.isValid())
            QCOMPARE(centre(pm), seen);
        else
            QVERIFY(centre(pm) != QColor(Qt::red) && centre(pm) != QColor(Qt::blue));
        const QPixmap shown = ui::pictureIcon(svg).pixmap(box, ratio);
        QCOMPARE(centre(shown), icon);
        QVERIFY(shown.width() <= qRound(box.width() * ratio) && shown.height() <= qRound(box.height() * ratio));
        const QPixmap disabled = ui::pictureIcon(svg).pixmap(box, ratio, QIcon::Disabled);
        QVERIFY(centre(disabled) != icon);  // greyed, unless asked to stay as it is
        QCOMPARE(centre(ui::pictureIcon(svg, true).pixmap(box, ratio, QIcon::Disabled)), icon);
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
