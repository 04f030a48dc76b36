#pragma once

#include <QTest>

#include <functional>
#include <vector>

// Several test classes share one program per folder: each registers itself
// with ORRIN_TEST(Class) and the common main runs them all in turn.
using TestRunner = std::function<int(int argc, char **argv)>;

inline std::vector<TestRunner> &registeredTests()
{
    static std::vector<TestRunner> tests;
    return tests;
}

inline bool registerTest(TestRunner runner)
{
    registeredTests().push_back(std::move(runner));
    return true;
}

#define ORRIN_TEST(Class)                                                                                    \
    static const bool registered##Class = registerTest([](int argc, char **argv) {                         \
        Class test;                                                                                          \
        return QTest::qExec(&test, argc, argv);                                                              \
    });
