#include "core/base/Languages.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace quelta {

const std::array<LanguageInfo, 4> &languageTable()
{
    static const std::array<LanguageInfo, 4> table{{
        {Language::Spanish, "LanguageSpanish", "Español", 3082, "SPANISH", "ESN"},
        {Language::English, "LanguageEnglish", "English", 1033, "ENGLISH", "ENU"},
        {Language::Portugues, "LanguagePortugues", "Português", 2070, "PORTUGUES", "PTG"},
        {Language::Francais, "LanguageFrancais", "Français", 1036, "FRANCAIS", "FRA"},
    }};
    return table;
}

const LanguageInfo *languageByStoredName(const QString &storedName)
{
    for (const LanguageInfo &info : languageTable()) {
        if (storedName == QLatin1String(info.storedName))
            return &info;
    }
    return nullptr;
}

const LanguageInfo *languageByLcid(int lcid)
{
    for (const LanguageInfo &info : languageTable()) {
        if (info.lcid == lcid)
            return &info;
    }
    return nullptr;
}

int userDefaultLcid()
{
    switch (QLocale::system().language()) {
    case QLocale::Spanish: return 3082;
    case QLocale::English: return 1033;
    case QLocale::Portuguese: return 2070;
    case QLocale::French: return 1036;
    default: return 0;
    }
}

std::optional<Language> startupLanguage(const QString &storedName, int userLcid)
{
    const LanguageInfo *info = storedName.isEmpty() ? languageByLcid(userLcid) : languageByStoredName(storedName);
    if (!info)
        return std::nullopt;
    return info->language;
}

Languages::Languages(QString programPath)
    : programPath_(std::move(programPath))
{
}

Languages::~Languages()
{
    if (module_)
        QCoreApplication::removeTranslator(module_.get());
}

QString Languages::modulePath(const QString &abbreviation) const
{
    QString base = programPath_;
    if (base.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        base.chop(4);
    return base + QLatin1Char('.') + abbreviation;
}

bool Languages::LoadNewResourceModule(const LanguageInfo &language)
{
    const QString abbreviation = QString::fromLatin1(language.abbreviation);
    auto module = std::make_unique<QTranslator>();
    if (!module->load(modulePath(abbreviation)) && !module->load(modulePath(abbreviation.left(2))))
        return false;
    if (module_)
        QCoreApplication::removeTranslator(module_.get());
    module_ = std::move(module);
    QCoreApplication::installTranslator(module_.get());
    idioma_ = QString::fromLatin1(language.storedName);
    return true;
}

} // namespace quelta
