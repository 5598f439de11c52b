#pragma once

#include <QObject>

// The platform layer's test classes, run one after another by main.cpp.
QObject* makeControlsTest();
QObject* makeLayerTest();
QObject* makeCanvasTest();
QObject* makeGridTest();
QObject* makePictureTest();
QObject* makePointerTest();
QObject* makeKeyboardTest();
QObject* makeScrollBarTest();
QObject* makeFileListsTest();
