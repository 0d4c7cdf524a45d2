#include "core/model/ParameterDictionary.h"

#include "core/base/NamedStrings.h"
#include "core/codecs/AnsiCodec.h"

#include <QFile>

#include <optional>

namespace quelta {
namespace {

// The headers have CR LF line ends; a lone LF is accepted too.
QList<QStringView> headerLines(QStringView header)
{
    QList<QStringView> lines = header.split(u'\n');
    for (QStringView &line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return lines;
}

// "#define  _idEmpres_ 0x0102<TAB>/* ... */": the name sits between the first two underscores and
// the code runs from after " 0x" up to the first TAB. Without a TAB there (block ends written as
// "0x8501+16" and spaces) the code stays empty.
ParameterDictionary::Parameter parseDefinition(QStringView line)
{
    const QList<QStringView> pieces = line.split(u'_');
    ParameterDictionary::Parameter parameter;
    parameter.name = pieces.value(1).trimmed().toString();
    const QStringView value = pieces.value(2);
    const qsizetype tab = value.indexOf(u'\t');
    constexpr qsizetype kCodeStart = 3; // after " 0x"
    if (tab > kCodeStart)
        parameter.code = value.sliced(kCodeStart, tab - kCodeStart).trimmed().toString();
    return parameter;
}

struct InfoDefinition
{
    QString code;
    QString stringName;
};

// #define infoTxt_HarIniSys<TABs>"{#8001:"txt_HarIniSys"}\r" : split at the double quotes, the code
// is in the second piece after "{#" and the string's name is the third piece.
InfoDefinition parseInfoDefinition(QStringView line)
{
    const QList<QStringView> pieces = line.split(u'"');
    return {pieces.value(1).mid(2, 4).toString(), pieces.value(2).trimmed().toString()};
}

// Duplicates stay in the ordered lists, but a lookup answers with the first definition.
void insertFirst(QHash<QString, QString> &hash, const QString &key, const QString &value)
{
    if (!hash.contains(key))
        hash.insert(key, value);
}

} // namespace

std::optional<QString> ParameterDictionary::readResource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error_ = tr("No se encuentra el recurso %1").arg(path);
        return std::nullopt;
    }
    return ansi::decode(file.readAll());
}

bool ParameterDictionary::Llegir_parametres()
{
    const std::optional<QString> header = readResource(QStringLiteral(":/Param"));
    Llegir_parametres(header.value_or(QString()));
    return header.has_value();
}

void ParameterDictionary::Llegir_parametres(QStringView header)
{
    parameters_.clear();
    codeByName_.clear();
    for (QStringView line : headerLines(header)) {
        if (!line.contains(u" _"))
            continue;
        Parameter parameter = parseDefinition(line);
        // Guard lines give an empty name, which no lookup may match.
        if (!parameter.name.isEmpty())
            insertFirst(codeByName_, parameter.name.toCaseFolded(), parameter.code);
        parameters_.append(std::move(parameter));
    }
}

bool ParameterDictionary::Llegir_DefInfo(const NamedStrings &strings)
{
    const std::optional<QString> header = readResource(QStringLiteral(":/DefInfo"));
    if (!header) {
        clearInfoTexts();
        return false;
    }
    return Llegir_DefInfo(strings, *header);
}

bool ParameterDictionary::Llegir_DefInfo(const NamedStrings &strings, QStringView header)
{
    clearInfoTexts();
    for (QStringView line : headerLines(header)) {
        if (!line.contains(u"#define infoTxt_"))
            continue;
        const InfoDefinition definition = parseInfoDefinition(line);
        const std::optional<QString> text = strings.GetNamedResourceString(definition.stringName);
        if (!text) {
            // A half-built table would show some device messages and silently lose the rest.
            clearInfoTexts();
            error_ = tr("No existe el texto \"%1\" de la información %2").arg(definition.stringName, definition.code);
            return false;
        }
        insertFirst(textByCode_, definition.code, *text);
        infoTexts_.append({definition.code, *text});
    }
    return true;
}

void ParameterDictionary::clearInfoTexts()
{
    infoTexts_.clear();
    textByCode_.clear();
}

QString ParameterDictionary::codeOf(QStringView name) const
{
    return codeByName_.value(name.toString().toCaseFolded());
}

QString ParameterDictionary::infoText(QStringView code) const
{
    return textByCode_.value(code.toString());
}

} // namespace quelta
