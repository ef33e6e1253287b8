// The configuration editor on a 40-channel configuration (five 8-channel modules, 10 s
// at 1 ms): the time to open it, and the time from picking a channel in the tree until
// its page, plot included, has been painted by the event loop. Goal: a page switch under 50 ms.
//
//   bench_config_editor [rounds]     (run under a display or xvfb-run)

#include "MoldConfigWindow.h"
#include "PlotRendering.h"
#include "SystemConfig.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>

namespace {

SystemConfig fortyChannels()
{
    SystemConfig config;
    config.setName(QStringLiteral("BENCH40"));
    config.setPeriod(10);
    config.setSamplingInterval(1);
    for (quint32 m = 0; m < 5; ++m)
        config.addModule(0x11000000 + m);
    return config;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0.0 : values.at(values.size() / 2);
}

} // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + "/.config"));
    PlotRendering::useFixedFunctionFormat();
    QApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;

    const SystemConfig config = fortyChannels();
    MoldConfigWindow window;
    window.resize(1200, 820);
    QElapsedTimer timer;
    timer.start();
    window.setConfiguration(config, false);
    window.show();
    window.repaint();
    QCoreApplication::processEvents();
    const double openMs = timer.nsecsElapsed() / 1e6;

    auto* tree = window.findChild<QTreeWidget*>(QStringLiteral("systemTreeWidget"));
    QList<QTreeWidgetItem*> channels;
    QTreeWidgetItem* system = tree->topLevelItem(0);
    for (int m = 0; m < system->childCount(); ++m)
        for (int c = 0; c < system->child(m)->childCount(); ++c)
            channels.append(system->child(m)->child(c));

    QList<double> switches;
    for (int round = 0; round < rounds; ++round) {
        for (QTreeWidgetItem* item : channels) {
            timer.restart();
            tree->setCurrentItem(item);
            // One pass of the event loop paints what the switch made dirty, as after a
            // click.
            QCoreApplication::processEvents();
            switches.append(timer.nsecsElapsed() / 1e6);
        }
    }
    // The first switch to a channel page creates the plot's GL context; report it apart.
    const double first = switches.takeFirst();
    const double worst = *std::max_element(switches.begin(), switches.end());
    std::printf("open 40-channel editor: %.1f ms\n", openMs);
    std::printf("first channel page (creates the plot's GL context): %.1f ms\n", first);
    std::printf("later channel page switches: median %.1f ms, worst %.1f ms over %lld switches "
                "(goal < 50 ms: median %.2fx, worst %.2fx of budget)\n",
                median(switches), worst, qlonglong(switches.size()), median(switches) / 50.0,
                worst / 50.0);
    return 0;
}
