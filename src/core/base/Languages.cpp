#include "core/base/Languages.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <utility>

namespace quelta {

const std::array<LanguageInfo, 4> &languageTable()
{
    static const std::array<LanguageInfo, 4> table{{
        {Language::Spanish, "LanguageSpanish", "Español", 3082, "SPANISH", "ESN", "es_ES"},
        {Language::English, "LanguageEnglish", "English", 1033, "ENGLISH", "ENU", "en_GB"},
        {Language::Portugues, "LanguagePortugues", "Português", 2070, "PORTUGUES", "PTG", "pt_PT"},
        {Language::Francais, "LanguageFrancais", "Français", 1036, "FRANCAIS", "FRA", "fr_FR"},
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
    for (const auto &translator : {module_.get(), qtModule_.get()}) {
        if (translator)
            QCoreApplication::removeTranslator(translator);
    }
}

QString Languages::modulePath(const QString &abbreviation) const
{
    QString base = programPath_;
    if (base.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        base.chop(4);
    return base + QLatin1Char('.') + abbreviation;
}

namespace {

QByteArray readModule(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The module's file name is exact: no suffix is added and no shorter name tried but the one
// two-letter name.
bool Languages::LoadNewResourceModule(const LanguageInfo &language)
{
    const QString abbreviation = QString::fromLatin1(language.abbreviation);
    auto module = std::make_unique<QTranslator>();
    QByteArray data;
    for (const QString &path : {modulePath(abbreviation), modulePath(abbreviation.left(2))}) {
        data = readModule(path);
        if (!data.isEmpty() && module->load(reinterpret_cast<const uchar *>(data.constData()), int(data.size())))
            break;
        data.clear();
    }
    if (data.isEmpty())
        return false;
    auto qtModule = std::make_unique<QTranslator>();
    if (!qtModule->load(QLocale(QString::fromLatin1(language.qtLocale)), QStringLiteral("qt"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        qtModule.reset();
    install(qtModule_, std::move(qtModule));
    // The module's data must outlive the translator that reads it, and the old one stays until
    // its translator is gone.
    QByteArray previous = std::exchange(moduleData_, data);
    install(module_, std::move(module));
    idioma_ = QString::fromLatin1(language.storedName);
    return true;
}

void Languages::install(std::unique_ptr<QTranslator> &installed, std::unique_ptr<QTranslator> next)
{
    if (installed)
        QCoreApplication::removeTranslator(installed.get());
    installed = std::move(next);
    if (installed)
        QCoreApplication::installTranslator(installed.get());
}

} // namespace quelta
