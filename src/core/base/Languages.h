#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <memory>
#include <optional>

class QTranslator;

namespace quelta {

enum class Language { Spanish, English, Portugues, Francais };

struct LanguageInfo
{
    Language language;
    const char *menuItem;     // the menu item's control name
    const char *caption;      // its caption, in the language itself
    int lcid;                 // Windows language identifier, the menu item's tag
    const char *storedName;   // the REG8 value
    const char *abbreviation; // the system's three-letter language name, the module's extension
    const char *qtLocale;     // the locale of Qt's own translations (standard dialogs and buttons)
};

// The four languages of the "Idioma" menu, in menu order.
const std::array<LanguageInfo, 4> &languageTable();
const LanguageInfo *languageByStoredName(const QString &storedName);
const LanguageInfo *languageByLcid(int lcid);
// The language identifier of the user's default locale, 0 when it is none of the four.
int userDefaultLcid();

// The language chosen at start: the stored one, else the user's locale when it is one of the four.
std::optional<Language> startupLanguage(const QString &storedName, int userLcid);

// Language modules live beside the program, named after it with the language's abbreviation as
// extension ("quelta.ENU", else "quelta.EN"): compiled Qt Linguist translations, read as data.
// At most one is installed at a time, together with Qt's own translations for that language.
class Languages
{
public:
    explicit Languages(QString programPath);
    ~Languages();

    // Loads and installs the module of that language. False, with nothing changed, when there is none.
    bool LoadNewResourceModule(const LanguageInfo &language);

    const QString &Idioma() const { return idioma_; }
    void setIdioma(const QString &storedName) { idioma_ = storedName; }

private:
    QString modulePath(const QString &abbreviation) const;
    void install(std::unique_ptr<QTranslator> &installed, std::unique_ptr<QTranslator> next);

    QString programPath_;
    QByteArray moduleData_; // the translator reads from it for as long as it is installed
    std::unique_ptr<QTranslator> module_;
    std::unique_ptr<QTranslator> qtModule_;
    QString idioma_;
};

} // namespace quelta
