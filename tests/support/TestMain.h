#pragma once

#include <QTest>

#include <functional>
#include <vector>

// Several test classes share one program per folder: each registers itself
// with ORRIN_TEST(Class) and the common main runs them in turn. Test
// functions named on the command line run in the classes that have them;
// the other classes are skipped.
struct RegisteredTest {
    const QMetaObject *metaObject;
    std::function<int(int argc, char **argv)> run;
};

inline std::vector<RegisteredTest> &registeredTests()
{
    static std::vector<RegisteredTest> tests;
    return tests;
}

inline bool registerTest(RegisteredTest test)
{
    registeredTests().push_back(std::move(test));
    return true;
}

#define ORRIN_TEST(Class)                                                                                    \
    static const bool registered##Class = registerTest({&Class::staticMetaObject, [](int argc, char **argv) { \
        Class test;                                                                                          \
        return QTest::qExec(&test, argc, argv);                                                              \
    }});
