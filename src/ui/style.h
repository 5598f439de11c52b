#pragma once

// The program's style: the toolkit's own, except that the few images it reads
// from its resources while a window opens (the group box frame, the menu bar's
// overflow arrow, the message box icons) are read as PNG directly. The toolkit
// would first load and ask every image format plugin it can find, which costs a
// window's first opening several milliseconds; what is drawn stays the same.

#include <QProxyStyle>

namespace ui {

class Style : public QProxyStyle {
public:
    Style();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

// Sets the style for the whole program; call before the first window is built.
void installStyle();

}  // namespace ui
