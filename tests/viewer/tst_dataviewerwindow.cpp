// The data viewer window driven as the operator does, with the prompts answered here.
#include "ControlPort.h"
#include "DataListView.h"
#include "DataViewerWindow.h"
#include "GLPlotView.h"
#include "Presets.h"
#include "ReferenceEnvelope.h"
#include "SimulatorThread.h"
#include "TestMain.h"
#include "UnitSimulator.h"
#include "UnitState.h"
#include "UserPrompt.h"
#include "WaveformStatistics.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A recorded file of 1 s at 10 ms: channel 1 a ramp shifted by `shift`, channel 2 unnamed.
QByteArray recorded(float shift, int rows = 101)
{
    QByteArray text = "Time:2024/01/02 03:04:05.0 Elapsed Time Since Last Shot:0ms\n"
                      "Observation Period:1s Sampling Interval:10ms\nShot:1\nModule  1:ZRA\n"
                      "Data Attribute:1,10,PT\n" +
                      QByteArray(40, '=') + "\nElapsed Time,1:Gate, 2:\n";
    for (int r = 0; r < rows; ++r)
        text += QByteArray::number(r * 0.01) + "," + QByteArray::number(r * 0.5 + shift) + ", " +
                QByteArray::number(30 + shift) + "\n";
    return text;
}

QStringList writeFiles(const QTemporaryDir& dir, const QList<QByteArray>& contents)
{
    QStringList paths;
    for (int i = 0; i < contents.size(); ++i) {
        QFile file(dir.filePath(QStringLiteral("all_%1.csv").arg(i)));
        if (!file.open(QIODevice::WriteOnly) || file.write(contents.at(i)) != contents.at(i).size())
            qFatal("cannot write %s", qPrintable(file.fileName()));
        paths << file.fileName();
    }
    return paths;
}

// The file without its second line, the time it was written.
QByteArray withoutTime(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray text = file.readAll();
    const qsizetype first = text.indexOf('\n');
    return text.remove(first, text.indexOf('\n', first + 1) - first);
}

} // namespace

class TestDataViewerWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        UserPrompt::setMessageHandler({});
        UserPrompt::setFileHandler({});
    }

    void writesWhatTheCommandLineToolWritesAndSendsIt()
    {
        QTemporaryDir dir;
        const QStringList paths =
            writeFiles(dir, {recorded(0), recorded(2), recorded(4, 50), recorded(6, 120)});
        QStringList messages;
        UserPrompt::setMessageHandler([&](const UserPrompt::Message& m) {
            messages << m.title + QLatin1Char(':') + m.text;
            return QMessageBox::Ok;
        });
        QString answer = paths.join(QLatin1Char('\n'));
        UserPrompt::setFileHandler([&](const UserPrompt::FileRequest&) { return answer; });
        DataViewerWindow window;
        window.setUnitAddress(QHostAddress(QStringLiteral("127.0.130.10")),
                              ControlPort::DefaultPort);
        window.show();
        window.findChild<QPushButton*>(QStringLiteral("openDataFileButton"))->click();

        QCOMPARE(window.plotView()->channel(0)->dataFileCount(), 4);
        const auto* combo = window.findChild<QComboBox*>(QStringLiteral("channelComboBox"));
        QCOMPARE(combo->itemText(1), QStringLiteral("2: <Untitled>"));
        // Filled after the window was shown, the selector still shows whole names.
        const auto nameFits = [combo] {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                               QStyle::SC_ComboBoxEditField, combo);
            return field.width() >= combo->fontMetrics().horizontalAdvance(combo->itemText(1));
        };
        QTRY_VERIFY(nameFits());
        QVERIFY2(window.notice().contains(QStringLiteral("all_2.csv, all_3.csv")),
                 qPrintable(window.notice()));
        QCOMPARE(window.plotView()->average(0).size(), 101);

        answer = dir.filePath(QStringLiteral("window.wavcsv"));
        window.findChild<QPushButton*>(QStringLiteral("saveButton"))->click();
        answer = dir.filePath(QStringLiteral("window_average.csv"));
        window.findChild<QPushButton*>(QStringLiteral("saveAsReferenceButton"))->click();
        QProcess tool;
        tool.start(
            QStringLiteral(CVO_STATS_PATH),
            QStringList{QStringLiteral("--wavcsv"), dir.filePath(QStringLiteral("tool.wavcsv")),
                        QStringLiteral("--average"), dir.filePath(QStringLiteral("tool.csv"))} +
                paths);
        QVERIFY(tool.waitForFinished(30000));
        QCOMPARE(tool.exitCode(), 0);
        const QByteArray fromWindow = withoutTime(dir.filePath(QStringLiteral("window.wavcsv")));
        QVERIFY(fromWindow.size() > 1000);
        QCOMPARE(withoutTime(dir.filePath(QStringLiteral("tool.wavcsv"))), fromWindow);
        QCOMPARE(withoutTime(dir.filePath(QStringLiteral("tool.csv"))),
                 withoutTime(dir.filePath(QStringLiteral("window_average.csv"))));

        // Sending: the unit holds the focused channel's limits over the range typed in.
        SimulatorOptions options;
        options.address = QHostAddress(QStringLiteral("127.0.130.10"));
        QVERIFY(Presets::make(QStringLiteral("pressure8"), &options.config));
        SimulatorThread unit(options);
        QVERIFY2(unit.startAndWait(), qPrintable(unit.errorString()));
        window.findChild<QLineEdit*>(QStringLiteral("timeRangeEnd"))
            ->setText(QStringLiteral("0.5"));
        messages.clear();
        window.findChild<QPushButton*>(QStringLiteral("sendToBUButton"))->click();
        QCOMPARE(messages.last(), QStringLiteral("Send Monitoring Waveform:Monitoring waveform "
                                                 "data has been successfully sent."));
        QList<quint16> upper;
        unit.call([&](UnitSimulator& sim) { upper = sim.state().references().envelope(0)->upper; });
        QCOMPARE(upper.size(), 51); // 0 .. 500 ms at 10 ms
        QCOMPARE(upper.first(),
                 quint16(std::floor(window.plotView()->upperLimit(0).first() / 0.1)));
    }

    void hidingEveryFileLeavesNoAverageAndSaysSo()
    {
        QTemporaryDir dir;
        const QStringList paths = writeFiles(dir, {recorded(0), recorded(2)});
        DataViewerWindow window;
        window.setUnitOnline(false);
        window.show();
        QVERIFY(!window.findChild<QPushButton*>(QStringLiteral("sendToBUButton"))->isEnabled());
        window.openDataFiles(paths);
        auto* list = window.findChild<DataListView*>(QStringLiteral("dataListView"));
        list->checkBox(0)->setChecked(false);
        const GLPlotData* focused = window.plotView()->channel(0);
        QCOMPARE(focused->average(), WaveformStatistics::smoothed(focused->dataFiles().at(1), 10));
        list->checkBox(1)->setChecked(false);
        QVERIFY(window.plotView()->average(0).isEmpty());
        QVERIFY(window.plotView()->upperLimit(0).isEmpty());
        QVERIFY(window.notice().contains(QStringLiteral("No data file is visible")));
    }
};

CVO_TEST_MAIN(TestDataViewerWindow)
#include "tst_dataviewerwindow.moc"
