#pragma once

#include <QStringList>
#include <QTranslator>

#include <array>
#include <memory>

// The interface languages and their translators: the English display catalog built
// into the application, and for the other languages an application catalog ("cvo_")
// with the toolkit's own ("qt_") looked for beside the executable, then in the working
// folder. A language other than English is offered only when its application catalog
// was found.
class LanguageCatalogs
{
public:
    enum Language
    {
        English = 0,
        Japanese = 1,
        TraditionalChinese = 2,
        SimplifiedChinese = 3,
        Korean = 4
    };
    static constexpr int LanguageCount = 5;

    // Folders searched in order; by default the executable's folder, then the working
    // folder.
    explicit LanguageCatalogs(const QStringList& folders = defaultFolders());
    ~LanguageCatalogs();

    static QStringList defaultFolders();

    bool isAvailable(Language language) const;
    // The language for a BCP 47 locale name ("ja-JP", "zh-SG", ...): its own when its
    // catalog is there, English otherwise.
    Language languageForLocale(const QString& bcp47Name) const;
    // Removes every translator this object installed and installs the chosen language's
    // (English: its display catalog only). An unavailable language installs English.
    void install(Language language);
    Language installed() const { return m_installed; }

private:
    struct Pair
    {
        std::unique_ptr<QTranslator> toolkit;
        std::unique_ptr<QTranslator> application;
        bool available = false;
    };

    void uninstallAll();

    std::array<Pair, LanguageCount> m_pairs;
    Language m_installed = English;
};
