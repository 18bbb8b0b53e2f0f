#pragma once

#include <QTest>

// main() for a subsystem's test executable that holds several test classes:
// runs each in turn with the command-line arguments and fails if any failed.
// App is QCoreApplication for core code, QApplication where widgets are made.
#define KELVANE_TEST_MAIN(App, ...)                                                                \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        App app(argc, argv);                                                                       \
        int failed = 0;                                                                            \
        auto run = [&](auto test) { failed += QTest::qExec(&test, argc, argv); };                  \
        [&]<typename... Tests>() { (run(Tests{}), ...); }.template operator()<__VA_ARGS__>();      \
        return failed == 0 ? 0 : 1;                                                                \
    }
