#include <QApplication>
#include <QTest>
#include <memory>

#include "fixtures.h"
#include "shell/vocabulary.h"
#include "tests.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    testsupport::setUpHeadless();
    shell::FillVocabulary();
    int failures = 0;
    for (auto make : {makeFormulasTest, makeCustomTest, makePointValuesTest}) {
        std::unique_ptr<QObject> t(make());
        failures += QTest::qExec(t.get(), argc, argv);
    }
    return failures;
}
