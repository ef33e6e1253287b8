#include "AppResources.h"
#include "AppSettings.h"
#include "MainWindow.h"
#include "PlotRendering.h"
#include "WindowScreenshot.h"

#include <QApplication>
#include <QDebug>
#include <QPixmap>
#include <QSplashScreen>

int main(int argc, char* argv[])
{
    // The plot draws with the fixed-function pipeline, which core profiles lack. The
    // format must be the default before the application object creates any context.
    PlotRendering::useFixedFunctionFormat();

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QString::fromLatin1(AppSettings::Organisation));
    QApplication::setApplicationName(QString::fromLatin1(AppSettings::Application));
    AppResources::initialise();
    qInfo().noquote() << "Plot drawing:" << PlotRendering::apply(AppSettings().plotRendering());

    QSplashScreen splash(QPixmap(QStringLiteral(":/images/about_screen.png")));
    splash.show();
    QApplication::processEvents();

    MainWindow window;
    window.show();
    splash.finish(&window);
    WindowScreenshot::scheduleFromEnvironment(&window);
    return QApplication::exec();
}
