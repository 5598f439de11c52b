// Build-time tool: renders an SVG picture into a PNG, so the program shows its
// pictures by decoding a small PNG instead of running the SVG machinery while a
// window opens. An OUT ending in ".argb" gets the raw pixels instead, which the
// program reads in place without decoding anything (for the small pictures of
// start-up): a 16-byte header ("ARGB", width, height, 0 as 32-bit words) and
// the premultiplied ARGB words row by row, in this machine's byte order, so the
// program must be built for the machine that builds it.
//
// svgraster IN.svg OUT.png SIZE             a square of SIZE pixels, the picture
//                                           centred in it (buttons, window icon)
// svgraster IN.svg OUT.png WIDTH HEIGHT     the picture's shape fitted into
//                                           WIDTH x HEIGHT, the PNG as large as
//                                           the fitted picture (picture controls)

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: svgraster IN.svg OUT.png SIZE | WIDTH HEIGHT\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    const int width = QByteArray(argv[3]).toInt();
    const int height = argc == 5 ? QByteArray(argv[4]).toInt() : width;
    if (!svg.isValid() || width <= 0 || height <= 0) {
        std::fprintf(stderr, "svgraster: cannot render %s at %s\n", argv[1], argv[3]);
        return 1;
    }
    QSizeF box = svg.defaultSize();
    box.scale(width, height, Qt::KeepAspectRatio);
    const QSize canvas = argc == 5 ? QSize(static_cast<int>(std::lround(box.width())),
                                           static_cast<int>(std::lround(box.height())))
                                   : QSize(width, height);
    QImage image(canvas, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    svg.render(&p, QRectF((canvas.width() - box.width()) / 2, (canvas.height() - box.height()) / 2, box.width(),
                          box.height()));
    p.end();
    const QString out = QString::fromLocal8Bit(argv[2]);
    if (!out.endsWith(QLatin1String(".argb")))
        return image.save(out, "PNG") ? 0 : 1;
    QFile file(out);
    const quint32 header[4] = {0, quint32(image.width()), quint32(image.height()), 0};
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write("ARGB", 4);
    file.write(reinterpret_cast<const char*>(header + 1), 3 * sizeof(quint32));
    for (int y = 0; y < image.height(); ++y)
        file.write(reinterpret_cast<const char*>(image.constScanLine(y)), image.width() * 4);
    return file.error() == QFileDevice::NoError && file.flush() ? 0 : 1;
}
