#pragma once

#include <QObject>
#include <QTest>

// The customizing area's test classes, run one after another by main.cpp.
QObject* makeFormulasTest();
QObject* makeCustomTest();
QObject* makePointValuesTest();

// One data row on a line: its name, then its values in column order.
template <typename... T>
void row(const char* name, T... values) {
    (QTest::newRow(name) << ... << values);
}
