#pragma once

#include <QApplication>
#include <QFile>
#include <QSurfaceFormat>
#include <QTemporaryDir>
#include <QTest>

// The one test entry point. Like QTEST_MAIN, but the process first gets its own empty
// HOME and XDG_CONFIG_HOME, so the settings store and the default folders are the test's
// own, and the plot's fixed-function GL format is the default before any context exists,
// as the application's entry sets it. AppClass is QCoreApplication for tests without
// widgets, so they run without a display.
template <typename AppClass, typename TestClass> int runTestWithOwnHome(int argc, char* argv[])
{
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/.config")));
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setVersion(2, 1);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    QSurfaceFormat::setDefaultFormat(format);
    AppClass app(argc, argv);
    TestClass test;
    return QTest::qExec(&test, argc, argv);
}

#define CVO_TEST_MAIN(TestClass)                                                                   \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        return runTestWithOwnHome<QApplication, TestClass>(argc, argv);                            \
    }

#define CVO_TEST_MAIN_NO_GUI(TestClass)                                                            \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        return runTestWithOwnHome<QCoreApplication, TestClass>(argc, argv);                        \
    }
