// The interface languages: the built-in English display catalog, the catalogs found beside
// the application, the choice from the locale and switching while windows are open.

#include "AppSettings.h"
#include "LanguageCatalogs.h"
#include "MainWindow.h"
#include "MoldConfigWindow.h"
#include "TestMain.h"

#include <QAction>
#include <QCoreApplication>
#include <QDomDocument>
#include <QLabel>
#include <QPushButton>

class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void englishCatalogShowsEveryDisplayTextInItsContext();
    void catalogBesideTheApplicationDecidesTheLocaleChoice_data();
    void catalogBesideTheApplicationDecidesTheLocaleChoice();
    void switchingLanguageRetranslatesTheWindowAndAnOpenDialog();
    void darkViewAppliesAtOnceAndKeepsIndicatorsReadable();
};

void TestLanguages::englishCatalogShowsEveryDisplayTextInItsContext()
{
    LanguageCatalogs catalogs(QStringList{});
    catalogs.install(LanguageCatalogs::English);
    QFile ts(QStringLiteral(CVO_SOURCE_DIR "/resources/translations/cvo_en.ts"));
    QVERIFY(ts.open(QIODevice::ReadOnly));
    QDomDocument document;
    QVERIFY(document.setContent(&ts));
    int entries = 0;
    const QDomNodeList contexts = document.elementsByTagName(QStringLiteral("context"));
    for (int c = 0; c < contexts.size(); ++c) {
        const QDomElement context = contexts.at(c).toElement();
        const QByteArray name = context.firstChildElement(QStringLiteral("name")).text().toUtf8();
        const QDomNodeList messages = context.elementsByTagName(QStringLiteral("message"));
        for (int m = 0; m < messages.size(); ++m, ++entries) {
            const QDomElement message = messages.at(m).toElement();
            const QByteArray source =
                message.firstChildElement(QStringLiteral("source")).text().toUtf8();
            QCOMPARE(QCoreApplication::translate(name, source),
                     message.firstChildElement(QStringLiteral("translation")).text());
        }
    }
    QCOMPARE(entries, 129);
    // One source, two contexts, two texts; a text outside the catalog stays as written.
    const char* failure = "Unable to communicate with BU.\nPlease check the connection.";
    QVERIFY(QCoreApplication::translate("IOTestDialog", failure) !=
            QCoreApplication::translate("MainWindow", failure));
    QCOMPARE(QCoreApplication::translate("MainWindow", "Communication Failure"),
             QStringLiteral("Communication Failure"));
    QCOMPARE(QCoreApplication::translate("GLPlotView", "C"), QStringLiteral("℃"));
}

void TestLanguages::catalogBesideTheApplicationDecidesTheLocaleChoice_data()
{
    QTest::addColumn<bool>("catalogPresent");
    QTest::addColumn<int>("chosen");
    QTest::newRow("zh-SG with its catalog") << true << int(LanguageCatalogs::SimplifiedChinese);
    QTest::newRow("zh-SG without") << false << int(LanguageCatalogs::English);
}

void TestLanguages::catalogBesideTheApplicationDecidesTheLocaleChoice()
{
    QFETCH(bool, catalogPresent);
    QFETCH(int, chosen);
    QTemporaryDir folder;
    if (catalogPresent)
        QVERIFY(QFile::copy(QStringLiteral(CVO_TEST_QM), folder.filePath("cvo_zh_CN.qm")));
    LanguageCatalogs catalogs(QStringList{folder.path()});
    QCOMPARE(catalogs.isAvailable(LanguageCatalogs::SimplifiedChinese), catalogPresent);
    QCOMPARE(int(catalogs.languageForLocale(QStringLiteral("zh-SG"))), chosen);
    QCOMPARE(int(catalogs.languageForLocale(QStringLiteral("ja-JP"))),
             int(LanguageCatalogs::English));
}

void TestLanguages::switchingLanguageRetranslatesTheWindowAndAnOpenDialog()
{
    // A Japanese catalog in the working folder (a shortcut may start there).
    QTemporaryDir folder;
    QVERIFY(QFile::copy(QStringLiteral(CVO_TEST_QM), folder.filePath("cvo_ja.qm")));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    MainWindow window(QStringList{"cvo-manager", "-n"});
    QDir::setCurrent(previous);
    auto* japanese = window.findChild<QAction*>("actionJapanese");
    QVERIFY(japanese->isVisible());
    QVERIFY(!window.findChild<QAction*>("actionKorean")->isVisible());
    auto* viewer = window.findChild<QPushButton*>("viewerButton");
    QTRY_COMPARE(viewer->text(), QStringLiteral("WAVEFORM EDITOR"));
    // The channel list's column titles, which the code builds.
    const auto detailsTitle = [&window](const QString& text) {
        const auto labels =
            window.findChild<QWidget*>("channelDetailsView")->findChildren<QLabel*>();
        return std::any_of(labels.begin(), labels.end(),
                           [&text](const QLabel* label) { return label->text() == text; });
    };
    QVERIFY(detailsTitle(QStringLiteral("Peak")));

    MoldConfigWindow* editor = window.moldConfigWindow();
    editor->show();
    QLabel* period = nullptr;
    for (QLabel* label : editor->findChildren<QLabel*>())
        if (label->text() == QStringLiteral("Time span:"))
            period = label;
    QVERIFY(period);

    // A label the code builds, not a form: the zone editors' time row.
    const auto zoneTimeLabels = [editor](const QString& text) {
        int found = 0;
        for (QLabel* label : editor->findChildren<QLabel*>())
            found += label->text() == text ? 1 : 0;
        return found;
    };
    const int zoneEditors = zoneTimeLabels(QStringLiteral("Time:"));
    QVERIFY(zoneEditors >= 3);

    japanese->trigger();
    QTRY_COMPARE(viewer->text(), QStringLiteral("波形エディタ"));
    QTRY_COMPARE(period->text(), QStringLiteral("測定時間:"));
    QTRY_COMPARE(zoneTimeLabels(QStringLiteral("時間:")), 3);
    QVERIFY(detailsTitle(QStringLiteral("ピーク")));
    window.findChild<QAction*>("actionEnglish")->trigger();
    QTRY_COMPARE(viewer->text(), QStringLiteral("WAVEFORM EDITOR"));
    QTRY_COMPARE(period->text(), QStringLiteral("Time span:"));
    QCOMPARE(zoneTimeLabels(QStringLiteral("Time:")), zoneEditors);
    QCOMPARE(window.findChild<QLabel*>("wdtCountLabel")->text(), QStringLiteral("WDT:0"));
    editor->hide();
}

void TestLanguages::darkViewAppliesAtOnceAndKeepsIndicatorsReadable()
{
    MainWindow window(QStringList{"cvo-manager", "-n"});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.findChild<QAction*>("actionDarkView")->trigger();
    QVERIFY(QApplication::palette().color(QPalette::Window).lightness() < 64);
    QCOMPARE(AppSettings().value(SettingKey::ViewTheme).toString(), QStringLiteral("dark"));

    // Lit indicators keep black text on their colour, not the dark look's white; the
    // link label unlit keeps the look's light text.
    const auto textLightness = [](QLabel* label) {
        const QImage image = label->grab().toImage();
        int darkest = 255;
        int lightest = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const int lightness = QColor(image.pixel(x, y)).lightness();
                darkest = qMin(darkest, lightness);
                lightest = qMax(lightest, lightness);
            }
        }
        return std::pair{darkest, lightest};
    };
    auto* link = window.findChild<QLabel*>("dataStatusLabel");
    QVERIFY(textLightness(link).second > 200);
    window.connectionStatusUpdated(true);
    for (QLabel* lit : {window.findChild<QLabel*>("modeIndicatorLabel"), link}) {
        const auto [darkest, lightest] = textLightness(lit);
        QVERIFY2(darkest < 40 && lightest < 240, qPrintable(lit->objectName()));
    }

    // The choice is the next start's too; light is restored the same way.
    {
        MainWindow next(QStringList{"cvo-manager", "-n"});
        QVERIFY(next.findChild<QAction*>("actionDarkView")->isChecked());
    }
    window.findChild<QAction*>("actionLightView")->trigger();
    QVERIFY(QApplication::palette().color(QPalette::Window).lightness() > 160);
}

CVO_TEST_MAIN(TestLanguages)
#include "tst_languages.moc"
