#pragma once

// What the search window's tests share: opening the window as the main menu
// does with its message boxes recorded, and a filled orb table.

#include <QTest>
#include <memory>

#include "fixtures.h"
#include "formtest.h"
#include "vocabularylocale.h"
#include "search/frmsearch.h"
#include "shell/orbs.h"
#include "shell/vocabulary.h"
#include "ui/form.h"

namespace searchtest {

inline void startUp() {
    testsupport::setUpHeadless();
    shell::FillVocabulary();
}

// One test's window, opened as the main menu does, and the message boxes it
// shows; the end leaves no window open and an empty orb table.
struct Session : testsupport::FormTest<search::frmSearch> {
    std::unique_ptr<testsupport::MsgBoxRecorder> boxes;

    bool begin() {
        boxes = std::make_unique<testsupport::MsgBoxRecorder>();
        return open();
    }
    bool end() {
        const bool closed = closedCleanly();
        boxes.reset();
        shell::OrbTable.clear();
        return closed;
    }
};

// Fills the orb table as the customizing window would, with values that tell
// their cell: lights orb "a.10", planets orb "a.20" for aspect position a.
inline void fillOrbTable() {
    for (int a = 1; a <= 21; ++a) {
        shell::OrbTable(0, a) = QStringLiteral("%1.10").arg(a);
        shell::OrbTable(8, a) = QStringLiteral("%1.20").arg(a);
    }
}

// Clicks a check box on its box, as a user does.
inline void clickBox(QWidget* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
}

}  // namespace searchtest
