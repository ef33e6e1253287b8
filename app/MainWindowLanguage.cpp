// The interface language (the catalogs found at start, the choice from the system locale,
// the Language menu, the texts set in code that a new language must set again) and the
// View menu's light or dark look.

#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "AppSettings.h"
#include "LanguageCatalogs.h"
#include "ShopFloorTheme.h"

#include <QActionGroup>
#include <QDebug>
#include <QEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

namespace {

// The locale's language and territory ("ja-JP", "zh-SG"): Qt's own BCP 47 name drops a
// territory that is the language's default ("ja"), which would never match.
QString localeTag(const QLocale& locale)
{
    return locale.name().replace(QLatin1Char('_'), QLatin1Char('-'));
}

} // namespace

void MainWindow::createLanguageCatalogs()
{
    m_languages = std::make_unique<LanguageCatalogs>();
    const QLocale system = QLocale::system();
    qDebug() << "System Locale:" << QLocale::languageToString(system.language());
    m_languages->install(m_languages->languageForLocale(localeTag(system)));
}

void MainWindow::groupLanguageActions()
{
    m_languageActions = new QActionGroup(this);
    m_languageActions->setObjectName(QStringLiteral("languageActionGroup"));
    m_languageActions->setExclusive(true);
    QAction* const actions[] = {m_ui->actionEnglish, m_ui->actionJapanese,
                                m_ui->actionTraditional_Chinese, m_ui->actionSimplified_Chinese,
                                m_ui->actionKorean};
    for (int language = 0; language < LanguageCatalogs::LanguageCount; ++language) {
        QAction* action = actions[language];
        action->setData(language);
        action->setVisible(m_languages->isAvailable(LanguageCatalogs::Language(language)));
        action->setChecked(language == m_languages->installed());
        m_languageActions->addAction(action);
        connect(action, &QAction::triggered, this, &MainWindow::changeLanguage);
    }
}

void MainWindow::changeLanguage()
{
    const auto* action = qobject_cast<QAction*>(sender());
    if (!action)
        return;
    // The toolkit tells every window, which sets its texts again (changeEvent).
    m_languages->install(LanguageCatalogs::Language(action->data().toInt()));
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        retranslateCodeTexts();
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::retranslateCodeTexts()
{
    if (!m_dataStatusLabel)
        return; // not built yet
    m_dataStatusLabel->setText(tr("Data"));
    m_mmcStatusLabel->setText(tr("Mmc"));
    m_recordingStatusLabel->setText(tr("Rec"));
    m_wdtCountClearButton->setText(tr("Clear"));
    showPublisherState();
    showWatchdogCount(m_watchdogCount);
    updateModeDisplay();
    checkDiskSpace();
}

void MainWindow::showWatchdogCount(int count)
{
    m_watchdogCount = count;
    m_wdtCountLabel->setText(tr("WDT:%1").arg(count));
}

void MainWindow::groupViewActions()
{
    auto* group = new QActionGroup(this);
    group->setExclusive(true);
    group->addAction(m_ui->actionLightView);
    group->addAction(m_ui->actionDarkView);
    const bool dark = AppSettings().darkView();
    (dark ? m_ui->actionDarkView : m_ui->actionLightView)->setChecked(true);
    ShopFloorTheme::apply(dark ? ShopFloorTheme::Dark : ShopFloorTheme::Light);
    connect(group, &QActionGroup::triggered, this, [this](QAction* action) {
        const bool darkChosen = action == m_ui->actionDarkView;
        AppSettings().setValue(SettingKey::ViewTheme,
                               darkChosen ? QStringLiteral("dark") : QStringLiteral("light"));
        ShopFloorTheme::apply(darkChosen ? ShopFloorTheme::Dark : ShopFloorTheme::Light);
    });
}
