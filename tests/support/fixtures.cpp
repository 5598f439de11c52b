#include "fixtures.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include "ui/form.h"
#include "ui/keyboard.h"
#include "ui/pause.h"
#include "ui/style.h"
#include "ui/twips.h"

namespace testsupport {

namespace {
int g_endCalls = 0;
}

MsgBoxRecorder::MsgBoxRecorder() {
    ui::setMsgBoxHook([this](const ui::MsgRecord& r) {
        boxes_.append(r);
        if (whileOpen_) whileOpen_();
    });
}

MsgBoxRecorder::~MsgBoxRecorder() { ui::setMsgBoxHook({}); }

ScreenOverride::ScreenOverride(double w, double h) { ui::Screen::overrideSize(w, h); }
ScreenOverride::~ScreenOverride() { ui::Screen::clearOverride(); }

void setUpHeadless() {
    ui::installStyle();
    ui::installKeyboardRules();
    ui::setPausesDisabled(true);
    ui::setFitToScreen(false);  // the offscreen screen is 800 x 600: windows keep their design
    ui::setModalRunner([](QDialog& d) {
        d.setWindowModality(Qt::ApplicationModal);
        d.show();
    });
    ui::setEndProgramHook([] { ++g_endCalls; });
}

QList<QWidget*> tabWalk(int limit) {
    QWidget* start = QApplication::focusWidget();
    QList<QWidget*> visited;
    for (int i = 0; start && i < limit; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget();
        if (visited.last() == start) return visited;
    }
    return {};
}

int endProgramCalls() { return g_endCalls; }

QList<QWidget*> visibleWindows() {
    QList<QWidget*> out;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible()) out.append(w);
    }
    return out;
}

bool showActive(QWidget& w) {
    w.show();
    w.activateWindow();
    return QTest::qWaitForWindowActive(&w);
}

void clickScrollArrow(QScrollBar* bar, bool forward) {
    QStyleOptionSlider opt;
    opt.initFrom(bar);
    opt.orientation = bar->orientation();
    opt.minimum = bar->minimum();
    opt.maximum = bar->maximum();
    opt.sliderPosition = opt.sliderValue = bar->value();
    opt.singleStep = bar->singleStep();
    opt.pageStep = bar->pageStep();
    opt.subControls = QStyle::SC_All;
    const QRect r = bar->style()->subControlRect(
        QStyle::CC_ScrollBar, &opt, forward ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine, bar);
    QTest::mouseClick(bar, Qt::LeftButton, {}, r.center());
}

QString pastedText(QRandomGenerator& rng) {
    static const QString alphabet = QStringLiteral("0123456789.,: -+<>?eEdxaZ\t") + QChar(0x00E9) +
                                    QChar(0x0663) + QChar(0xFF11) + QChar(0x00A0) + QChar(0x2212);
    const quint32 kind = rng.bounded(100);
    const int length = kind < 85 ? int(rng.bounded(13)) : kind < 98 ? int(rng.bounded(400)) : 5000;
    QString s;
    for (int i = 0; i < length; ++i) {
        const quint32 pick = rng.bounded(alphabet.size() + 2);
        if (pick == quint32(alphabet.size()))
            s += QStringLiteral("\U0001F600");  // a surrogate pair
        else if (pick > quint32(alphabet.size()))
            s += QChar(0xD800);  // a lone surrogate
        else
            s += alphabet.at(pick);
    }
    return s;
}

}  // namespace testsupport
