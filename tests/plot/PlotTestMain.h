#pragma once

#include <QApplication>
#include <QFile>
#include <QSurfaceFormat>
#include <QTemporaryDir>
#include <QTest>

// Like QTEST_MAIN, with what the plot needs before the application exists: the
// fixed-function (compatibility profile) default format, as the application's entry sets
// it, and an empty HOME / XDG_CONFIG_HOME of the test's own.
#define CVO_PLOT_TEST_MAIN(TestClass)                                                              \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        QTemporaryDir home;                                                                        \
        if (!home.isValid())                                                                       \
            return 1;                                                                              \
        qputenv("HOME", QFile::encodeName(home.path()));                                           \
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/.config")));   \
        QSurfaceFormat format;                                                                     \
        format.setRenderableType(QSurfaceFormat::OpenGL);                                          \
        format.setVersion(2, 1);                                                                   \
        format.setProfile(QSurfaceFormat::CompatibilityProfile);                                   \
        QSurfaceFormat::setDefaultFormat(format);                                                  \
        QApplication app(argc, argv);                                                              \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
