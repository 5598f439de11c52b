#pragma once

// A picture control: shows an SVG picture scaled to the control (aspect kept,
// centred), drawn afresh for each size so it stays sharp when a window grows.
// The picture is rendered on first paint, so pictures on pages never shown cost
// nothing. A left click inside the control raises Click.

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace ui {

class Picture : public QWidget {
    Q_OBJECT
public:
    explicit Picture(const QString& resource = {}, QWidget* parent = nullptr);

    void setPicture(const QString& resource);
    QString picture() const { return resource_; }

    // The rendered picture as last painted (empty before the first paint).
    const QPixmap& rendered() const { return pixmap_; }

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QString resource_;
    QPixmap pixmap_;
    QSize renderedFor_;
    bool pressed_ = false;
};

}  // namespace ui
