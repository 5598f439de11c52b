#include "ui/style.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QPainter>
#include <QStyleOption>
#include <qdrawutil.h>

#include "ui/picture.h"

namespace ui {

namespace {

const QString kImages = QStringLiteral(":/qt-project.org/styles/commonstyle/images/");

// The base style's own picture, or a null one when this toolkit has none.
QPixmap basePicture(const QString& name) {
    const QString path = kImages + name;
    return QFile::exists(path) ? rasterPixmap(path) : QPixmap();
}

QIcon iconOf(std::initializer_list<const char*> names) {
    QIcon icon;
    for (const char* name : names) {
        const QPixmap pm = basePicture(QString::fromLatin1(name));
        if (pm.isNull())
            return {};
        icon.addPixmap(pm);
    }
    return icon;
}

bool isFusion(const QStyle* style) { return style && style->name().compare(u"fusion", Qt::CaseInsensitive) == 0; }

}  // namespace

Style::Style() = default;

void Style::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                          const QWidget* widget) const {
    if (element == PE_FrameGroupBox && isFusion(baseStyle())) {
        static const QPixmap frame = basePicture(QStringLiteral("fusion_groupbox.png"));
        if (!frame.isNull()) {
            // As the base style lays it out: below the title line, unless there is none.
            constexpr int kTopMargin = 3;
            const auto* box = qobject_cast<const QGroupBox*>(widget);
            const int top = box && !box->isCheckable() && box->title().isEmpty()
                                ? kTopMargin
                                : std::max(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height()) +
                                      kTopMargin;
            qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6), frame);
            return;
        }
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

QIcon Style::standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const {
    const bool rtl = (widget ? widget->layoutDirection() : QGuiApplication::layoutDirection()) == Qt::RightToLeft;
    QIcon icon;
    if (which == SP_ToolBarHorizontalExtensionButton)
        icon = rtl ? iconOf({"toolbar-ext-h-rtl-8.png", "toolbar-ext-h-rtl-16.png", "toolbar-ext-h-rtl-32.png"})
                   : iconOf({"toolbar-ext-h-8.png", "toolbar-ext-h-16.png", "toolbar-ext-h-32.png"});
    else if (which == SP_ToolBarVerticalExtensionButton)
        icon = iconOf({"toolbar-ext-v-5.png", "toolbar-ext-v-10.png", "toolbar-ext-v-20.png"});
    return icon.isNull() ? QProxyStyle::standardIcon(which, option, widget) : icon;
}

void installStyle() { QApplication::setStyle(new Style); }

}  // namespace ui
