#pragma once

#include <QApplication>
#include <QByteArray>
#include <QTemporaryDir>
#include <QTest>

// Like QTEST_MAIN, but the test process first gets its own empty HOME and
// XDG_CONFIG_HOME, so the settings store and the default folders never touch the
// developer's own. They must be set before anything reads a QSettings path.
#define CVO_TEST_MAIN_WITH_OWN_HOME(TestClass)                                                     \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        QTemporaryDir home;                                                                        \
        if (!home.isValid()) {                                                                     \
            return 1;                                                                              \
        }                                                                                          \
        qputenv("HOME", QFile::encodeName(home.path()));                                           \
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/.config")));   \
        QApplication app(argc, argv);                                                              \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
