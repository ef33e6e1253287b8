// The plot written to a file as shown: its size, the zone where the configuration puts
// it, the legend of the visible channels.

#include "FileSizeLimit.h"
#include "GLXAxis.h"
#include "GLYAxis.h"
#include "PlotExport.h"
#include "PlotViewFixture.h"
#include "TestMain.h"

#include <QLabel>
#include <QTemporaryDir>

namespace {

int redPixels(const QImage& image, const QRect& region)
{
    int n = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += c.red() > 240 && c.green() < 16 && c.blue() < 16;
        }
    return n;
}

} // namespace

class TestPlotExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pngShowsTheZoneWhereTheConfigurationPutsIt()
    {
        PlotViewFixture f(3);
        f.view->setGridOpacity(0.0f);
        f.view->setChannelColor(0, Qt::red);
        f.view->setChannelColor(2, Qt::blue);
        f.view->setChannelVisible(1, false);
        f.view->setZone(0, 0, GLZone(2000, 50.0f, 6000, 150.0f, true));
        QTemporaryDir dir;
        QVERIFY(PlotExport::save(*f.view, dir.filePath("plot.png")));
        QVERIFY(PlotExport::save(*f.view, dir.filePath("plot.pdf")));
        const QImage image(dir.filePath("plot.png"));
        QFile pdf(dir.filePath("plot.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly) && pdf.read(5) == "%PDF-");

        // From the header's top to the x axis's bottom, the y axis's left to the area's
        // right, and one legend row for the two visible channels.
        const QWidget* view = f.view.get();
        const QPoint area = f.area()->mapTo(view, QPoint(0, 0));
        const int top = f.view->headerLabel()->mapTo(view, QPoint(0, 0)).y();
        const int left = f.view->yAxis()->mapTo(view, QPoint(0, 0)).x();
        const int bottom = f.view->xAxis()->mapTo(view, QPoint(0, f.view->xAxis()->height())).y();
        QCOMPARE(image.size(), QSize(area.x() + f.area()->width() - left,
                                     bottom - top + PlotExport::LegendRowHeight));

        const QPoint origin(area.x() - left, area.y() - top);
        const QPoint a = origin + f.at(2000, 150);
        const QPoint b = origin + f.at(6000, 50);
        QVERIFY(redPixels(image,
                          QRect(QPoint(a.x() - 1, a.y() + 5), QPoint(a.x() + 1, b.y() - 5))) > 10);
        QVERIFY(redPixels(image,
                          QRect(QPoint(b.x() - 1, a.y() + 5), QPoint(b.x() + 1, b.y() - 5))) > 10);
        QCOMPARE(redPixels(image, QRect(a + QPoint(4, 4), b - QPoint(4, 4))), 0);
        QCOMPARE(redPixels(image, QRect(origin, QSize(a.x() - origin.x() - 4, 300))), 0);
        // The legend: channel 1 red, channel 3 blue beside it, none for the hidden one.
        const int legend = bottom - top + PlotExport::LegendRowHeight / 2;
        QCOMPARE(image.pixelColor(16, legend), QColor(Qt::red));
        QCOMPARE(image.pixelColor(PlotExport::LegendColumnWidth + 16, legend), QColor(Qt::blue));
        QCOMPARE(image.pixelColor(2 * PlotExport::LegendColumnWidth + 16, legend),
                 QColor(Qt::white));
    }

    // A full disk: the export fails and the earlier one stays whole.
    void failedExportKeepsTheEarlierFile()
    {
        PlotViewFixture f(2);
        QTemporaryDir dir;
        const auto contents = [](QFile&& file) {
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        for (const QString& path : {dir.filePath("plot.png"), dir.filePath("plot.pdf")}) {
            QVERIFY(PlotExport::save(*f.view, path));
            const QByteArray before = contents(QFile(path));
            FileSizeLimit full(before.size() / 2);
            QVERIFY(!PlotExport::save(*f.view, path));
            full.lift();
            QCOMPARE(contents(QFile(path)), before);
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    }
};

CVO_TEST_MAIN(TestPlotExport)
#include "tst_plotexport.moc"
