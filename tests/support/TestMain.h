#pragma once
// main() for a QtTest program: the system's own application object, offscreen,
// with resources and font mapping installed as at start.
#include "controls/Startup.h"
#include "controls/Application.h"

#include <QtTest>

#define NOTA_TEST_MAIN(TestClass)                                          \
    int main(int argc, char **argv)                                        \
    {                                                                      \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                \
            qputenv("QT_QPA_PLATFORM", "offscreen");                       \
        qputenv("QT_FONT_DPI", "96");                                      \
        NotaApplication app(argc, argv);                                   \
        startup::initialise();                                             \
        app.setTerminateHandler([] {});                                    \
        TestClass tc;                                                      \
        QTEST_SET_MAIN_SOURCE_PATH                                         \
        return QTest::qExec(&tc, argc, argv);                              \
    }
