#include <QApplication>
#include <QTest>
#include <memory>

#include "fixtures.h"
#include "tests.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    testsupport::setUpHeadless();
    int failures = 0;
    for (auto make : {makeControlsTest, makeLayerTest, makeCanvasTest, makeGridTest, makePictureTest,
                      makePointerTest, makeKeyboardTest, makeScrollBarTest, makeFileListsTest}) {
        std::unique_ptr<QObject> t(make());
        failures += QTest::qExec(t.get(), argc, argv);
    }
    return failures;
}
