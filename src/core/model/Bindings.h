#pragma once

#include <QString>

#include <optional>
#include <span>
#include <vector>

namespace quelta {

// The programming pages, by their tab index.
enum class ProgPage {
    ConfigHard,
    ConfigSoft,
    Usuari,
    CentralAguilera,
    CentralBC600,
    Industrial,
    Portes,
    CentralCofem,
    CentralUrano,
    CentralSyncro,
    CentralAvenarBosch,
    CentralAD300,
    CentralSupra,
    CentralZafir,
    CentralID3000,
};
inline constexpr int kProgPageCount = 15;

// The sections of the "Usuario" page; the other pages have none.
enum class Section { None, Inputs, Outputs, System };

enum class FieldKind { Edit, CheckBox, CheckList, Combo };

// One bound single control: its control name, page, parameter name and design offset. Door-time
// fields share a code and hold one of its ";"-separated parts.
struct FieldBinding
{
    const char *name;
    FieldKind kind;
    ProgPage page;
    const char *parameter;
    int offset = 0;
    bool readOnly = false;
    int part = -1; // 0..2 for the three door-time fields of one code
};

// How Llegir_StringGrid turns a block value into the fields of a row.
enum class RowForm {
    Plain,        // the ";"-separated fields in column order
    AliasLast,    // the device sends the alias last; the grid shows it first
    EventKind,    // "kind:flag;..." of the panel event grids
    Characters,   // every character is a field (output trigger flags)
    InputFlags,   // "all;flags": the 16 input flags, then "all"
    ZoneName,     // a lone field is the zone's name
};

// How column 0 of a grid with a fixed column is filled.
enum class RowLabels { None, Numbered, Listed };

// One bound grid. Columns count every column, the fixed one included; flag columns hold "0"/"1".
struct GridBinding
{
    const char *name;
    ProgPage page;
    Section section;
    bool inSubPanel;      // read by wildcard, not by single requests
    const char *parameter;
    int parameterOffset;  // entries after the parameter's first code (the system grids)
    int rows;
    bool fixedColumn;
    std::vector<const char *> headers;   // translatable, context "Grids"
    std::vector<int> flagColumns;
    RowForm form;
    RowLabels labels;
    std::vector<const char *> rowLabels; // translatable, context "Grids"
    bool markers;         // cells carry the modified marker of the editors
    const char *clearRoutine;
};

std::span<const FieldBinding> fieldBindings();
std::span<const GridBinding> gridBindings();
const GridBinding *gridBinding(QStringView name);

// The page, in the order of its tab index, and its panel's name.
const char *pageTabName(ProgPage page);
const char *pagePanelName(ProgPage page);

// Which fire-panel page belongs to a panel type: the tests in their order, first match wins.
// Pages 0 to 2 are always shown; nullopt when no panel page matches.
std::optional<ProgPage> panelPageFor(const QString &central);

} // namespace quelta
