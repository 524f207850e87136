#pragma once
// main() for a QtTest program of the core or data layer: a plain (windowless)
// application object, with the C library's number format pinned to "C" after
// it as the program's own application object does, and password hashes
// with the weakest limits (DataSupport.h).
#include "DataSupport.h"

#include <QCoreApplication>
#include <QtTest>
#include <clocale>

#define NOTA_DATA_TEST_MAIN(TestClass)                                     \
    int main(int argc, char **argv)                                        \
    {                                                                      \
        QCoreApplication app(argc, argv);                                  \
        std::setlocale(LC_NUMERIC, "C");                                   \
        password::useWeakestLimitsForTests(true);                          \
        TestClass tc;                                                      \
        QTEST_SET_MAIN_SOURCE_PATH                                         \
        return QTest::qExec(&tc, argc, argv);                              \
    }
