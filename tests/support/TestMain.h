#pragma once
// main() for a QtTest program: the system's own application object, offscreen,
// with resources and font mapping installed as at start, and the scripted
// person and desktop in place for the whole run: no real dialog opens, no
// wait takes its time and the program's end leaves the run going. Password
// hashes use the weakest limits (DataSupport.h).
#include "TestSupport.h"
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
        password::useWeakestLimitsForTests(true);                          \
        ScriptedInterface scripted;                                        \
        TestClass tc;                                                      \
        QTEST_SET_MAIN_SOURCE_PATH                                         \
        return QTest::qExec(&tc, argc, argv);                              \
    }
