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
//
// `passes` runs the test class that many times, `beforePass(pass)` setting up each.
template <typename AppClass, typename TestClass>
int runTestWithOwnHome(int argc, char* argv[], int passes = 1, void (*beforePass)(int) = nullptr)
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
    int failed = 0;
    for (int pass = 0; pass < passes; ++pass) {
        if (beforePass)
            beforePass(pass);
        TestClass test;
        failed += QTest::qExec(&test, argc, argv);
    }
    return failed;
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
