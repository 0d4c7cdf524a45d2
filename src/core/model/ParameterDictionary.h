#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

namespace quelta {

class NamedStrings;

// The parameter codes and information texts, learnt from the two firmware headers the program
// carries ("Param" and "DefInfo"). Both tables are rebuilt by each parse, at start-up and after every
// language switch, and are read-only in between.
class ParameterDictionary
{
    Q_DECLARE_TR_FUNCTIONS(ParameterDictionary)

public:
    struct Parameter
    {
        QString name; // macro name without its underscores, e.g. "idEmpres"
        QString code; // four hexadecimal digits, e.g. "0102"; empty when the line gives none
    };

    struct InfoText
    {
        QString code; // four decimal digits, e.g. "8001"
        QString text; // the named string, in the current language
    };

    // Parses the "Param" resource. False, with errorString() set, when the resource is missing.
    bool Llegir_parametres();
    // Parses header text. Lines outside the grammar only add pairs that no lookup matches.
    void Llegir_parametres(QStringView header);

    // Parses the "DefInfo" resource. False, with errorString() set and an empty table, when the
    // resource is missing or a line names a string that does not exist.
    bool Llegir_DefInfo(const NamedStrings &strings);
    bool Llegir_DefInfo(const NamedStrings &strings, QStringView header);

    // The code of the first parameter of that name, ignoring case; empty when there is none.
    QString codeOf(QStringView name) const;
    // The text of the first information definition with that code; empty when there is none.
    QString infoText(QStringView code) const;

    const QList<Parameter> &parameters() const { return parameters_; }
    const QList<InfoText> &infoTexts() const { return infoTexts_; }
    const QString &errorString() const { return error_; }

private:
    std::optional<QString> readResource(const QString &path);
    void clearInfoTexts();

    QList<Parameter> parameters_;
    QHash<QString, QString> codeByName_; // case-folded name -> code of its first definition
    QList<InfoText> infoTexts_;
    QHash<QString, QString> textByCode_; // code -> text of its first definition
    QString error_;
};

} // namespace quelta
