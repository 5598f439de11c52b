// The drawing box: arcs go counter-clockwise as seen and wrap through 0, negative
// angles draw radii, fills erase, and a drawing keeps its shape in any box.

#include <QImage>
#include <QTest>
#include <cmath>
#include <numbers>

#include "tests.h"
#include "ui/canvas.h"
#include "ui/twips.h"

namespace {

constexpr double kWhole = -1000;  // no angles: a complete circle
constexpr double kRadius = 40;    // pixels

double radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

class TestCanvas : public QObject {
    Q_OBJECT

private slots:
    void drawsArcsRadiiAndFills_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("end");
        QTest::addColumn<int>("fill");     // 0 none, 1 solid, 2 solid then erased
        QTest::addColumn<QString>("ink");  // "degrees" on the circle, "degrees@part" inside
        QTest::addColumn<QString>("blank");
        const QSize sq(100, 100);
        const auto row = [](const char* name, QSize s, double a, double b, int fill,
                            const char* ink, const char* blank) {
            QTest::newRow(name) << s << a << b << fill << QString::fromLatin1(ink)
                                << QString::fromLatin1(blank);
        };
        row("quarter arc inks the upper right only", sq, 0, 90, 0, "45 5 85", "135 225 315 0@.5");
        row("arc from 300 to 60 degrees wraps through 0", sq, 300, 60, 0, "0 330 30", "90 180 270");
        row("negative end draws its radius", sq, 0, -180, 0, "90 180@.5", "0@.5 270");
        row("negative start draws its radius", sq, -90, 180, 0, "135 90@.5", "180@.5 0");
        row("solid fill inks the inside", sq, kWhole, kWhole, 1, "0@0 45@.5", "");
        row("solid fill in the background erases", sq, kWhole, kWhole, 2, "", "0@0 45@.5 0");
        row("a wider box keeps it round and centred", QSize(200, 100), kWhole, kWhole, 0,
            "0 90 180 270", "0@0 0@1.5");
    }
    void drawsArcsRadiiAndFills() {
        QFETCH(QSize, size);
        QFETCH(double, start);
        QFETCH(double, end);
        QFETCH(int, fill);
        QFETCH(QString, ink);
        QFETCH(QString, blank);
        QWidget holder;  // a child box keeps its design size when resized
        ui::Canvas c(&holder);
        c.setFrameShape(QFrame::NoFrame);
        ui::setGeometryTwips(&c, 0, 0, 1500, 1500);  // designed 100 pixels square
        c.resize(size);
        c.setBackColor(Qt::white);
        c.setForeColor(Qt::black);
        c.setDrawWidth(3);
        c.setFillStyle(fill ? ui::Canvas::Fill::Solid : ui::Canvas::Fill::Transparent);
        c.setFillColor(Qt::black);
        const double r = kRadius * ui::kTwipsPerPixel;
        if (start == kWhole)
            c.Circle(750, 750, r);
        else
            c.Circle(750, 750, r, radians(start), radians(end));
        if (fill == 2) {
            c.setFillColor(c.BackColor());
            c.setForeColor(c.BackColor());
            c.Circle(750, 750, r);
        }
        const QImage image = c.grab().toImage();
        const auto gray = [&](const QString& probe) {
            const double a = radians(probe.section(u'@', 0, 0).toDouble());
            const double part = probe.contains(u'@') ? probe.section(u'@', 1).toDouble() : 1;
            return qGray(image.pixel(QPointF(size.width() / 2.0 + kRadius * part * std::cos(a),
                                             size.height() / 2.0 - kRadius * part * std::sin(a))
                                         .toPoint()));
        };
        for (const QString& p : ink.split(u' ', Qt::SkipEmptyParts))
            QVERIFY2(gray(p) < 128, qPrintable(QStringLiteral("no ink at ") + p));
        for (const QString& p : blank.split(u' ', Qt::SkipEmptyParts))
            QVERIFY2(gray(p) > 224, qPrintable(QStringLiteral("ink at ") + p));
    }
};

}  // namespace

QObject* makeCanvasTest() {
    return new TestCanvas;
}

#include "tst_canvas.moc"
