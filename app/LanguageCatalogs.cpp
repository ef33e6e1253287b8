#include "LanguageCatalogs.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>

namespace {

// File suffixes of the catalogs, by language; English has only its built-in catalog.
constexpr const char* Suffixes[LanguageCatalogs::LanguageCount] = {"en", "ja", "zh_TW", "zh_CN",
                                                                   "ko"};

bool loadFirst(QTranslator& translator, const QString& fileName, const QStringList& folders)
{
    for (const QString& folder : folders) {
        if (translator.load(fileName, folder))
            return true;
    }
    return false;
}

} // namespace

LanguageCatalogs::LanguageCatalogs(const QStringList& folders)
{
    for (int language = 0; language < LanguageCount; ++language) {
        Pair& pair = m_pairs[language];
        pair.toolkit = std::make_unique<QTranslator>();
        pair.application = std::make_unique<QTranslator>();
        const QString suffix = QString::fromLatin1(Suffixes[language]);
        if (language == English) {
            pair.available = pair.application->load(QStringLiteral(":/translations/cvo_en"));
            if (!pair.available)
                qWarning() << "The English display catalog is missing from the resources";
            continue;
        }
        // Only the application catalog decides; the toolkit's is a courtesy.
        loadFirst(*pair.toolkit, QStringLiteral("qt_") + suffix, folders);
        pair.available = loadFirst(*pair.application, QStringLiteral("cvo_") + suffix, folders);
    }
}

LanguageCatalogs::~LanguageCatalogs()
{
    uninstallAll();
}

QStringList LanguageCatalogs::defaultFolders()
{
    QStringList folders;
    if (QCoreApplication::instance())
        folders << QCoreApplication::applicationDirPath();
    folders << QDir::currentPath();
    return folders;
}

bool LanguageCatalogs::isAvailable(Language language) const
{
    return language == English ||
           (language > English && language < LanguageCount && m_pairs[language].available);
}

LanguageCatalogs::Language LanguageCatalogs::languageForLocale(const QString& bcp47Name) const
{
    Language wanted = English;
    if (bcp47Name == QLatin1String("ja-JP"))
        wanted = Japanese;
    else if (bcp47Name == QLatin1String("zh-HK") || bcp47Name == QLatin1String("zh-TW") ||
             bcp47Name == QLatin1String("zh-MO"))
        wanted = TraditionalChinese;
    else if (bcp47Name == QLatin1String("zh-CN") || bcp47Name == QLatin1String("zh-SG"))
        wanted = SimplifiedChinese;
    else if (bcp47Name == QLatin1String("ko-KR"))
        wanted = Korean;
    return isAvailable(wanted) ? wanted : English;
}

void LanguageCatalogs::uninstallAll()
{
    if (!QCoreApplication::instance())
        return;
    for (Pair& pair : m_pairs) {
        QCoreApplication::removeTranslator(pair.toolkit.get());
        QCoreApplication::removeTranslator(pair.application.get());
    }
}

void LanguageCatalogs::install(Language language)
{
    if (!isAvailable(language))
        language = English;
    uninstallAll();
    Pair& pair = m_pairs[language];
    if (language != English && !pair.toolkit->isEmpty())
        QCoreApplication::installTranslator(pair.toolkit.get());
    if (!pair.application->isEmpty())
        QCoreApplication::installTranslator(pair.application.get());
    m_installed = language;
}
