#include "AppSettings.h"
#include "DisplaySettingsWindow.h"
#include "TestMain.h"
#include "UserPrompt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

namespace {

const QStringList Sliders = {"overwriteOpacitySlider", "gridOpacitySlider",
                             "referenceOpacitySlider", "rangeOpacitySlider"};
const QStringList OpacityLabels = {"overwriteOpacityLabel", "gridOpacityLabel",
                                   "referenceOpacityLabel", "rangeOpacityLabel"};

QSlider* slider(QWidget& w, int i)
{
    return w.findChild<QSlider*>(Sliders.at(i));
}
QString percent(QWidget& w, int i)
{
    return w.findChild<QLabel*>(OpacityLabels.at(i))->text();
}
QSpinBox* overwriteMax(QWidget& w)
{
    return w.findChild<QSpinBox*>("overwriteMax");
}
QComboBox* ranges(QWidget& w)
{
    return w.findChild<QComboBox*>("pressureRangeComboBox");
}

void press(QWidget& window, QDialogButtonBox::StandardButton which)
{
    window.findChild<QDialogButtonBox*>("buttonBox")->button(which)->click();
}

QByteArray storeFileContents()
{
    QFile file(AppSettings().fileName());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void store(const QString& key, const QVariant& value)
{
    AppSettings settings;
    settings.setValue(key, value);
    settings.sync();
}

} // namespace

class TestDisplaySettingsWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void showPutsTheStoreIntoTheControls();
    void storedPressureRangeSelectsItsItem_data();
    void storedPressureRangeSelectsItsItem();
    void acceptWritesEveryKeyAndReportsARangeChange();
    void cancelWritesNothing();
    void unwritableStoreIsReportedAndTheDialogStaysOpen();

private:
    QList<UserPrompt::Message> m_messages;
};

void TestDisplaySettingsWindow::init()
{
    AppSettings().clear();
    QVERIFY(AppSettings::initialise());
    m_messages.clear();
    UserPrompt::setMessageHandler([this](const UserPrompt::Message& m) {
        m_messages.append(m);
        return QMessageBox::Ok;
    });
}

void TestDisplaySettingsWindow::cleanup()
{
    UserPrompt::setMessageHandler({});
}

void TestDisplaySettingsWindow::showPutsTheStoreIntoTheControls()
{
    store("overwriteMax", 7);
    store("clearOverwriteOnMax", false);
    store("overwriteOpacity", 0.35);
    store("gridOpacity", 0.5);
    store("referenceWaveformOpacity", 0.199); // edited by hand: the nearest step
    store("rangeOpacity", 1.0);
    DisplaySettingsWindow window;

    window.show();

    QCOMPARE(overwriteMax(window)->value(), 7);
    QVERIFY(!window.findChild<QCheckBox*>("clearOnMax")->isChecked());
    const QList<int> expected = {7, 10, 4, 20};
    const QStringList labels = {"35%", "50%", "20%", "100%"};
    for (int i = 0; i < Sliders.size(); ++i) {
        QCOMPARE(slider(window, i)->value(), expected.at(i));
        QCOMPARE(percent(window, i), labels.at(i));
    }

    slider(window, 3)->setValue(13);
    QCOMPARE(percent(window, 3), "65%");
    QCOMPARE(percent(window, 2), "20%");

    // Every showing reads the store afresh.
    window.hide();
    store("gridOpacity", 0.05);
    window.show();
    QCOMPARE(percent(window, 1), "5%");
    for (const QGroupBox* group : window.findChildren<QGroupBox*>()) {
        QCOMPARE(group->styleSheet(),
                 " QGroupBox{ margin-top: 1.2ex; border:1px solid; border-color:  palette( "
                 "midlight ); border-radius:5px;} QGroupBox::title {subcontrol-origin: margin; "
                 "subcontrol-position: top left; left: 10px;}");
    }
}

void TestDisplaySettingsWindow::storedPressureRangeSelectsItsItem_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("25") << QVariant(25) << "25MPa";
    QTest::newRow("50") << QVariant(50) << "50MPa";
    QTest::newRow("100") << QVariant(100) << "100MPa";
    QTest::newRow("400") << QVariant(400) << "400MPa";
    QTest::newRow("150") << QVariant(150) << "200MPa";
    QTest::newRow("missing") << QVariant() << "200MPa";
}

void TestDisplaySettingsWindow::storedPressureRangeSelectsItsItem()
{
    QFETCH(QVariant, stored);
    if (stored.isValid())
        store("pressureDisplayRange", stored);
    else
        AppSettings().remove("pressureDisplayRange");
    DisplaySettingsWindow window;
    window.show();
    QTEST(ranges(window)->currentText(), "shown");

    press(window, QDialogButtonBox::Ok);

    const int written = AppSettings().value("pressureDisplayRange").toInt();
    QCOMPARE(QString::number(written) + "MPa", ranges(window)->currentText());
    // A missing key reads as its default, 200, which the plot already shows.
    QCOMPARE(window.pressureDisplayRangeChanged(),
             written != (stored.isValid() ? stored.toInt() : 200));
}

void TestDisplaySettingsWindow::acceptWritesEveryKeyAndReportsARangeChange()
{
    DisplaySettingsWindow window;
    window.show();
    overwriteMax(window)->setValue(12);
    window.findChild<QCheckBox*>("clearOnMax")->setChecked(false);
    const QList<int> values = {7, 0, 20, 3};
    for (int i = 0; i < Sliders.size(); ++i) {
        slider(window, i)->setValue(values.at(i));
    }
    ranges(window)->setCurrentIndex(4);

    press(window, QDialogButtonBox::Ok);

    QCOMPARE(window.result(), int(QDialog::Accepted));
    QVERIFY(window.pressureDisplayRangeChanged());
    AppSettings settings;
    QCOMPARE(settings.value("overwriteMax").toInt(), 12);
    QCOMPARE(settings.value("clearOverwriteOnMax").toBool(), false);
    QCOMPARE(settings.value("overwriteOpacity").toDouble(), 0.35);
    QCOMPARE(settings.value("gridOpacity").toDouble(), 0.0);
    QCOMPARE(settings.value("referenceWaveformOpacity").toDouble(), 1.0);
    QCOMPARE(settings.value("rangeOpacity").toDouble(), 0.15);
    QCOMPARE(settings.value("pressureDisplayRange").toInt(), 400);

    window.show();
    press(window, QDialogButtonBox::Ok);
    QVERIFY(!window.pressureDisplayRangeChanged());
}

void TestDisplaySettingsWindow::cancelWritesNothing()
{
    const QByteArray before = storeFileContents();
    QVERIFY(!before.isEmpty());
    DisplaySettingsWindow window;
    window.show();
    overwriteMax(window)->setValue(42);
    slider(window, 0)->setValue(1);
    ranges(window)->setCurrentIndex(0);

    press(window, QDialogButtonBox::Cancel);

    QCOMPARE(window.result(), int(QDialog::Rejected));
    QVERIFY(!window.pressureDisplayRangeChanged());
    QCOMPARE(storeFileContents(), before);
}

void TestDisplaySettingsWindow::unwritableStoreIsReportedAndTheDialogStaysOpen()
{
    DisplaySettingsWindow window;
    window.show();
    ranges(window)->setCurrentIndex(0);
    // The store's folder replaced by a plain file: nothing can be written there, even
    // by a user whom permissions do not stop.
    const QString folder = QFileInfo(AppSettings().fileName()).absolutePath();
    QVERIFY(QDir().rename(folder, folder + ".parked"));
    QFile(folder).open(QIODevice::WriteOnly);

    press(window, QDialogButtonBox::Ok);

    QVERIFY(QFile::remove(folder));
    QVERIFY(QDir().rename(folder + ".parked", folder));
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.at(0).title, "Save Error");
    QVERIFY(window.isVisible());
    QVERIFY(!window.pressureDisplayRangeChanged());
}

CVO_TEST_MAIN(TestDisplaySettingsWindow)
#include "tst_displaysettingswindow.moc"
