#include "AppSettings.h"
#include "DisplaySettingsWindow.h"
#include "TestMain.h"
#include "UserPrompt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

namespace {

const QStringList OpacityKeys = {"overwriteOpacity", "gridOpacity", "referenceWaveformOpacity",
                                 "rangeOpacity"};

QSlider* slider(QWidget& w, int i)
{
    return w.findChild<QSlider*>(QStringList{"overwrite", "grid", "reference", "range"}.at(i) +
                                 "OpacitySlider");
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

} // namespace

class TestDisplaySettingsWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        AppSettings().clear();
        QVERIFY(AppSettings::initialise());
        m_messages.clear();
        UserPrompt::setMessageHandler([this](const UserPrompt::Message& m) {
            m_messages.append(m);
            return QMessageBox::Ok;
        });
    }

    void cleanup() { UserPrompt::setMessageHandler({}); }

    void opacitiesShowInTwentiethsAndAreStoredBack()
    {
        // 0.35 x 20 comes out a hair below 7; 0.199 was edited by hand.
        const QList<double> opacities = {0.35, 0.5, 0.199, 1.0};
        for (int i = 0; i < 4; ++i)
            AppSettings().setValue(OpacityKeys.at(i), opacities.at(i));
        AppSettings().setValue("overwriteMax", 7);
        DisplaySettingsWindow window;
        window.show();
        QCOMPARE(window.findChild<QSpinBox*>("overwriteMax")->value(), 7);
        const QList<int> steps = {7, 10, 4, 20};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(slider(window, i)->value(), steps.at(i));
        slider(window, 3)->setValue(13);
        window.findChild<QCheckBox*>("clearOnMax")->setChecked(false);

        press(window, QDialogButtonBox::Ok);

        QCOMPARE(window.result(), int(QDialog::Accepted));
        const QList<double> written = {0.35, 0.5, 0.2, 0.65};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(AppSettings().value(OpacityKeys.at(i)).toDouble(), written.at(i));
        QCOMPARE(AppSettings().value("overwriteMax").toInt(), 7);
        QCOMPARE(AppSettings().value("clearOverwriteOnMax").toBool(), false);
    }

    void storedPressureRangeSelectsItsItem_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("25") << QVariant(25) << "25MPa";
        QTest::newRow("400") << QVariant(400) << "400MPa";
        QTest::newRow("150") << QVariant(150) << "200MPa";
        QTest::newRow("missing") << QVariant() << "200MPa";
    }

    void storedPressureRangeSelectsItsItem()
    {
        QFETCH(QVariant, stored);
        if (stored.isValid())
            AppSettings().setValue("pressureDisplayRange", stored);
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

    void nothingIsStoredOnCancelOrWhenTheStoreCannotBeWritten()
    {
        const QByteArray before = storeFileContents();
        QVERIFY(!before.isEmpty());
        DisplaySettingsWindow window;
        window.show();
        slider(window, 0)->setValue(1);
        ranges(window)->setCurrentIndex(0);
        press(window, QDialogButtonBox::Cancel);
        QCOMPARE(window.result(), int(QDialog::Rejected));
        QVERIFY(!window.pressureDisplayRangeChanged());
        QCOMPARE(storeFileContents(), before);

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

private:
    QList<UserPrompt::Message> m_messages;
};

CVO_TEST_MAIN(TestDisplaySettingsWindow)
#include "tst_displaysettingswindow.moc"
