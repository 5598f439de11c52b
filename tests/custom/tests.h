#pragma once

#include <QObject>

// The customizing area's test classes, run one after another by main.cpp.
QObject* makeFormulasTest();
QObject* makeCustomTest();
QObject* makePointValuesTest();
