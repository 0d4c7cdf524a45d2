#include "core/link/PanelType.h"

#include <array>

namespace quelta {
namespace {

using F = PanelFamily;

struct Row
{
    std::initializer_list<const char *> contains;
    const char *unless;
    PanelType type;
};

const std::array<Row, 15> &rows()
{
    static const std::array<Row, 15> table = {{
        {{"AE/SA", "AGE"}, nullptr, {F::AeSa, "Aguilera AE/SA", "PEstatAgui", "TSCentralAguilera", u'2', {}}},
        {{"AE/C5"}, nullptr, {F::AeC5, "Aguilera AE/C5", "PEstatAgui2", "TSCentralAguilera", u'3', {}}},
        {{"BC600"}, nullptr, {F::Bc600, "BC600", "PEstatBC600", "TSCentralBC600", u'4', u'4'}},
        {{"BC216"}, nullptr, {F::Bc216, "BC216", "PEstatBC216", "TSCentralBC600", u'4', u'4'}},
        {{"Puertas"}, nullptr, {F::Doors, "Puertas", "PEstatPortes", "TSPortes", u'1', {}}},
        {{"Cofem"}, "Cofem-A", {F::Cofem, "Cofem", "PEstatCofem", "TSCentralCofem", u'5', {}}},
        {{"Detnov"}, nullptr, {F::Detnov, "Detnov", "PEstatDetnov", nullptr, {}, {}}},
        {{"Urano"}, nullptr, {F::Urano, "Urano", "PEstatUrano", "TSCentralUrano", u'6', {}}},
        {{"Syncro"}, nullptr, {F::Syncro, "Syncro", "PEstatSyncro", "TSCentralSyncro", u'7', u'7'}},
        {{"Bosch"}, nullptr, {F::Bosch, "Bosch Avenar", "PEstatAvenarBosch", "TSCentralAvenarBosch", u'8', {}}},
        {{"AD300"}, nullptr, {F::Ad300, "AD300", "PEstatAD300", "TSCentralAD300", u'7', u'7'}},
        {{"Supra"}, nullptr, {F::Supra, "Supra", "PEstatSupra", "TSCentralSupra", u'6', {}}},
        {{"Cofem-A"}, nullptr, {F::CofemA, "Cofem-A", "PEstatCofemZafir", "TSCentralZafir", u'5', {}}},
        {{"Komttech"}, nullptr, {F::Komttech, "Komttech", "PEstatKomttech", "TSCentralUrano", u'6', {}}},
        {{"ID3000"}, nullptr, {F::Id3000, "ID3000", "PEstatID3000", "TSCentralID3000", u'7', u'7'}},
    }};
    return table;
}

bool matches(const Row &row, const QString &central)
{
    if (row.unless && central.contains(QLatin1String(row.unless)))
        return false;
    for (const char *text : row.contains) {
        if (central.contains(QLatin1String(text)))
            return true;
    }
    return false;
}

} // namespace

const PanelType &panelType(const QString &central)
{
    static const PanelType none;
    for (const Row &row : rows()) {
        if (matches(row, central))
            return row.type;
    }
    return none;
}

PanelFamily panelFamily(const QString &central)
{
    return panelType(central).family;
}

bool isAguilera(PanelFamily family)
{
    return family == F::AeSa || family == F::AeC5;
}

} // namespace quelta
