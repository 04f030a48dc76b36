#include "TestMain.h"

#include <QApplication>
#include <QStandardPaths>

namespace {

// "name" or "name:data tag" as Qt Test takes them.
bool hasTestFunction(const QMetaObject *metaObject, const char *argument)
{
    QByteArray name(argument);
    name = name.left(name.indexOf(':') < 0 ? name.size() : name.indexOf(':'));
    return metaObject->indexOfMethod(name + "()") >= 0;
}

// Options that take a value of their own, so that the value is not taken
// for a test function.
bool takesValue(const QByteArray &option)
{
    static const QList<QByteArray> withValue = {"-o", "-eventdelay", "-keydelay", "-mousedelay", "-maxwarnings",
                                                "-platform", "-repeat", "-seed", "-maxdepth"};
    return withValue.contains(option);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);

    int failures = 0;
    bool namedAny = false;
    bool ranAny = false;
    for (const RegisteredTest &test : registeredTests()) {
        std::vector<char *> arguments{argv[0]};
        bool namedHere = false;
        for (int i = 1; i < argc; ++i) {
            const QByteArray argument(argv[i]);
            if (argument.startsWith('-')) {
                arguments.push_back(argv[i]);
                if (takesValue(argument) && i + 1 < argc)
                    arguments.push_back(argv[++i]);
                continue;
            }
            namedAny = true;
            if (hasTestFunction(test.metaObject, argv[i])) {
                namedHere = true;
                arguments.push_back(argv[i]);
            }
        }
        if (namedAny && !namedHere)
            continue;
        ranAny = true;
        failures += test.run(static_cast<int>(arguments.size()), arguments.data());
    }
    if (namedAny && !ranAny) {
        qWarning("No test class here has the test functions named on the command line.");
        return 1;
    }
    return failures;
}
