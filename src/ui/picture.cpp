#include "ui/picture.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QIconEngine>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <array>
#include <cstdlib>

namespace ui {

namespace {
// ":/a/b.svg" -> ":/a/b.png" (scale 1) or ":/a/b@2x.png".
QString rasterPath(const QString& svg, int scale) {
    if (!svg.endsWith(QLatin1String(".svg")))
        return {};
    return svg.chopped(4) + (scale == 1 ? QStringLiteral(".png") : QStringLiteral("@2x.png"));
}
}  // namespace

QPixmap pngPixmap(const QString& path, qreal ratio) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    QPixmap pm = QPixmap::fromImage(reader.read());
    pm.setDevicePixelRatio(ratio);
    return pm;
}

namespace {
// The icon of a 1x and a 2x PNG, each read the first time a size needs it: a
// window on a 1x screen never decodes the 2x pictures (half a main menu's
// start-up work went into reading pictures it would not show).
class PngPairEngine : public QIconEngine {
public:
    PngPairEngine(QString one, QString two, bool sameWhenDisabled)
        : paths_{std::move(one), std::move(two)}, sameWhenDisabled_(sameWhenDisabled) {
        QImageReader header(paths_[0], "png");
        header.setAutoDetectImageFormat(false);
        natural_ = header.size();
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

    QIconEngine* clone() const override { return new PngPairEngine(*this); }
    QString key() const override { return QStringLiteral("PngPairEngine"); }

private:
    QPixmap picture(int i) {
        if (pictures_[i].isNull())
            pictures_[i] = pngPixmap(paths_[i]);
        return pictures_[i];
    }

    std::array<QString, 2> paths_;
    std::array<QPixmap, 2> pictures_;
    QSize natural_;
    bool sameWhenDisabled_;
};
}  // namespace

QIcon pictureIcon(const QString& resource, bool sameWhenDisabled) {
    const QString one = rasterPath(resource, 1);
    if (!one.isEmpty() && QFile::exists(one)) {
        const QString two = rasterPath(resource, 2);
        return QIcon(new PngPairEngine(one, QFile::exists(two) ? two : QString(), sameWhenDisabled));
    }
    QIcon icon;
    icon.addFile(resource);
    if (sameWhenDisabled)
        icon.addFile(resource, {}, QIcon::Disabled);
    return icon;
}

QPixmap renderPicture(const QString& resource, QSize box, qreal dpr) {
    const QSize device = (QSizeF(box) * dpr).toSize();
    for (int scale : {1, 2}) {
        const QString path = rasterPath(resource, scale);
        if (path.isEmpty() || !QFile::exists(path))
            continue;
        // Read as PNG without asking every image plugin first.
        QImageReader reader(path, "png");
        reader.setAutoDetectImageFormat(false);
        const QSize raster = reader.size();
        const QSize fitted = raster.scaled(device, Qt::KeepAspectRatio);
        if (std::abs(fitted.width() - raster.width()) <= 1 && std::abs(fitted.height() - raster.height()) <= 1) {
            QPixmap pm = QPixmap::fromImage(reader.read());
            pm.setDevicePixelRatio(dpr);
            return pm;
        }
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
