#include "ui/picture.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QIconEngine>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QResource>
#include <QStyle>
#include <QStyleOption>
#include <array>
#include <cstdlib>
#include <cstring>

namespace ui {

namespace {

// The raw pictures' header, as tools/svgraster writes it: the pixels follow at once,
// premultiplied ARGB words in this machine's byte order, rows without padding.
struct RawHeader {
    char magic[4];
    quint32 width;
    quint32 height;
    quint32 reserved;
};
constexpr char kRawMagic[4] = {'A', 'R', 'G', 'B'};

bool isRaw(const QString& path) { return path.endsWith(QLatin1String(".argb")); }

// The header of a raw picture compiled in uncompressed, or false.
bool rawHeader(const QResource& res, RawHeader& header) {
    if (!res.isValid() || res.compressionAlgorithm() != QResource::NoCompression ||
        res.size() < qint64(sizeof header))
        return false;
    std::memcpy(&header, res.data(), sizeof header);
    return std::memcmp(header.magic, kRawMagic, sizeof kRawMagic) == 0 && header.width > 0 && header.height > 0 &&
           res.size() == qint64(sizeof header) + qint64(header.width) * header.height * 4;
}

}  // namespace

QString rasterOf(const QString& svg, int scale) {
    if (!svg.endsWith(QLatin1String(".svg")))
        return {};
    const QString stem = svg.chopped(4) + (scale == 1 ? QString() : QStringLiteral("@2x"));
    for (const char* ext : {".argb", ".png"}) {
        const QString path = stem + QLatin1String(ext);
        if (QFile::exists(path))
            return path;
    }
    return {};
}

QSize rasterSize(const QString& path) {
    if (isRaw(path)) {
        RawHeader header;
        return rawHeader(QResource(path), header) ? QSize(int(header.width), int(header.height)) : QSize();
    }
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.size();
}

QImage readRaster(const QString& path) {
    if (isRaw(path)) {
        const QResource res(path);
        RawHeader header;
        if (!rawHeader(res, header))
            return {};
        const uchar* pixels = res.data() + sizeof header;
        const QImage image(pixels, int(header.width), int(header.height), int(header.width) * 4,
                           QImage::Format_ARGB32_Premultiplied);
        // The image reads the program's own data in place; words it cannot read
        // aligned are copied once.
        return reinterpret_cast<quintptr>(pixels) % alignof(quint32) == 0 ? image : image.copy();
    }
    // A PNG read as PNG, without asking every image plugin first: probing loads
    // them all, which costs more than the picture itself.
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QPixmap rasterPixmap(const QString& path, qreal ratio) {
    QPixmap pm = QPixmap::fromImage(readRaster(path));
    pm.setDevicePixelRatio(ratio);
    return pm;
}

namespace {
// The icon of a 1x and a 2x build-time picture, each read the first time a size needs it: a
// window on a 1x screen never decodes the 2x pictures (half a main menu's
// start-up work went into reading pictures it would not show).
class RasterPairEngine : public QIconEngine {
public:
    RasterPairEngine(QString one, QString two, bool sameWhenDisabled)
        : paths_{std::move(one), std::move(two)}, sameWhenDisabled_(sameWhenDisabled) {
        natural_ = rasterSize(paths_[0]);
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        return natural_.width() <= size.width() && natural_.height() <= size.height()
                   ? natural_
                   : natural_.scaled(size, Qt::KeepAspectRatio);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        // The 2x picture from one and a half times the design size on; below
        // that the 1x one, which an icon never enlarges.
        const bool larger = 2 * size.width() >= 3 * natural_.width() || 2 * size.height() >= 3 * natural_.height();
        QPixmap pm = picture(larger && !paths_[1].isEmpty() ? 1 : 0);
        if (pm.width() > size.width() || pm.height() > size.height())
            pm = pm.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (mode == QIcon::Disabled && !sameWhenDisabled_) {
            QStyleOption option;
            option.palette = QGuiApplication::palette();
            pm = QApplication::style()->generatedIconPixmap(QIcon::Disabled, pm, &option);
        }
        return pm;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal dpr = painter->device()->devicePixelRatio();
        QPixmap pm = pixmap((QSizeF(rect.size()) * dpr).toSize(), mode, state);
        pm.setDevicePixelRatio(dpr);
        const QSize shown = (QSizeF(pm.size()) / dpr).toSize();
        painter->drawPixmap(QRect(rect.topLeft() + QPoint((rect.width() - shown.width()) / 2,
                                                         (rect.height() - shown.height()) / 2),
                                  shown),
                            pm);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return paths_[1].isEmpty() ? QList<QSize>{natural_} : QList<QSize>{natural_, natural_ * 2};
    }

    QIconEngine* clone() const override { return new RasterPairEngine(*this); }
    QString key() const override { return QStringLiteral("RasterPairEngine"); }

private:
    QPixmap picture(int i) {
        if (pictures_[i].isNull())
            pictures_[i] = rasterPixmap(paths_[i]);
        return pictures_[i];
    }

    std::array<QString, 2> paths_;
    std::array<QPixmap, 2> pictures_;
    QSize natural_;
    bool sameWhenDisabled_;
};
}  // namespace

QIcon pictureIcon(const QString& resource, bool sameWhenDisabled) {
    const QString one = rasterOf(resource, 1);
    if (!one.isEmpty())
        return QIcon(new RasterPairEngine(one, rasterOf(resource, 2), sameWhenDisabled));
    QIcon icon;
    icon.addFile(resource);
    if (sameWhenDisabled)
        icon.addFile(resource, {}, QIcon::Disabled);
    return icon;
}

QPixmap renderPicture(const QString& resource, QSize box, qreal dpr) {
    const QSize device = (QSizeF(box) * dpr).toSize();
    for (int scale : {1, 2}) {
        const QString path = rasterOf(resource, scale);
        const QSize raster = rasterSize(path);
        if (raster.isEmpty())
            continue;
        const QSize fitted = raster.scaled(device, Qt::KeepAspectRatio);
        if (std::abs(fitted.width() - raster.width()) <= 1 && std::abs(fitted.height() - raster.height()) <= 1)
            return rasterPixmap(path, dpr);
    }
    return QIcon(resource).pixmap(box, dpr);
}

Picture::Picture(const QString& resource, QWidget* parent) : QWidget(parent), resource_(resource) {}

void Picture::setPicture(const QString& resource) {
    resource_ = resource;
    pixmap_ = QPixmap();
    update();
}

void Picture::paintEvent(QPaintEvent*) {
    if (resource_.isEmpty() || width() <= 0 || height() <= 0)
        return;
    const qreal dpr = devicePixelRatioF();
    if (pixmap_.isNull() || renderedFor_ != size() ||
        !qFuzzyCompare(pixmap_.devicePixelRatio(), dpr)) {
        pixmap_ = renderPicture(resource_, size(), dpr);
        renderedFor_ = size();
    }
    if (pixmap_.isNull())
        return;
    const QSizeF s = pixmap_.deviceIndependentSize();
    QPainter p(this);
    p.drawPixmap(QPointF((width() - s.width()) / 2, (height() - s.height()) / 2), pixmap_);
}

void Picture::mousePressEvent(QMouseEvent* e) {
    pressed_ = e->button() == Qt::LeftButton;
    QWidget::mousePressEvent(e);
}

void Picture::mouseReleaseEvent(QMouseEvent* e) {
    // A press that is dragged off the picture before release is no click.
    const bool click =
        pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    QWidget::mouseReleaseEvent(e);
    if (click)
        emit Click();
}

}  // namespace ui
