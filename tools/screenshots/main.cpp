// cvo-screenshots [--quick] <folder>: the manager's windows as PNG files for the guide,
// taken from the real main window while the unit simulator streams shots to it. The
// settings store must point at the simulator (scripts/screenshots prepares a profile).
#include "AppResources.h"
#include "AppSettings.h"
#include "MainWindow.h"
#include "PlotRendering.h"
#include "ScreenshotTour.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[])
{
    // As the manager's own entry: the plot's fixed-function format before any context.
    PlotRendering::useFixedFunctionFormat();

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QString::fromLatin1(AppSettings::Organisation));
    QApplication::setApplicationName(QString::fromLatin1(AppSettings::Application));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Saves the manager's windows as PNG files while the unit simulator "
                       "streams shots to it."));
    parser.addHelpOption();
    const QCommandLineOption quick(QStringLiteral("quick"),
                                   QStringLiteral("Only the main window (main-window.png)."));
    parser.addOption(quick);
    parser.addPositionalArgument(QStringLiteral("folder"),
                                 QStringLiteral("Where the PNG files are written."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);
    ScreenshotTour::Options options;
    options.outputFolder = parser.positionalArguments().constFirst();
    options.quick = parser.isSet(quick);
    if (!QDir().mkpath(options.outputFolder)) {
        std::fprintf(stderr, "screenshots: cannot create %s\n", qPrintable(options.outputFolder));
        return 1;
    }

    AppResources::initialise();
    PlotRendering::apply(AppSettings().plotRendering());
    MainWindow window;
    window.show();
    ScreenshotTour tour(window, options);
    TourTask task = tour.run([](const QStringList& missing) {
        if (!missing.isEmpty())
            std::fprintf(stderr, "screenshots: missing %s\n", qPrintable(missing.join(", ")));
        QCoreApplication::exit(missing.isEmpty() ? 0 : 1);
    });
    // From the event loop, as the operator's clicks come.
    QTimer::singleShot(0, &tour, [&task] { task.start(); });
    return QApplication::exec();
}
