#pragma once

#include "core/model/Bindings.h"
#include "core/model/GridModel.h"

#include <QObject>

#include <memory>
#include <optional>
#include <vector>

namespace quelta {

class ParameterDictionary;
class TransferActivity;
struct LinkState;

// Empty: never read since the last clearing. Read: as the device has it. Modified: changed by the
// installer and not yet written. Refused: the device does not take the parameter; the control is
// disabled until the device sends it a value.
enum class FieldState { Empty, Read, Modified, Refused };

// One bound single control. The value is in the control's own terms: an edit's text, "1"/"0" for a
// check box, one "1"/"0" per item of the check-list box, the list position of the time-zone list
// ("" when nothing is selected).
struct SingleField
{
    const FieldBinding *binding = nullptr;
    int number = 0; // binding number; its four-digit form is the code sent
    QString value;
    FieldState state = FieldState::Empty;
    bool enabled = true;

    QString code() const { return QStringLiteral("%1").arg(number, 4, 10, QLatin1Char('0')); }
};

// How the characters of a check-list value tick its items: a stream line stops at the first
// non-digit and ticks only on "1"; a page read ticks on anything but "0".
enum class CheckListRule { Stream, PageRead };

// Every bound field and grid of the programming pages, with the bindings that tie them to their
// parameter codes. The read engine, the write engine, templates, clearing and the window all work
// on this one model.
class ConfigurationModel : public QObject
{
    Q_OBJECT
public:
    static constexpr int kTimeZoneNumber = 120;
    static constexpr int kTimeZoneItems = 24;

    ConfigurationModel(const LinkState &link, const TransferActivity &activity, QObject *parent = nullptr);
    ~ConfigurationModel() override;

    // An edit is marked modified (and a modified cell shown red) only while a device answers and
    // no transfer runs.
    bool markingAllowed() const;

    // Binds every field and grid to its code through the dictionary.
    void InicialitzaPunters(const ParameterDictionary &dictionary);

    std::vector<SingleField> &fields() { return fields_; }
    SingleField *field(QStringView name);
    const std::vector<std::unique_ptr<GridModel>> &grids() const { return grids_; }
    GridModel *grid(QStringView name) const;

    // The fire-panel page shown beside pages 0 to 2; it decides where shared codes go.
    std::optional<ProgPage> visiblePanelPage() const { return visiblePanelPage_; }
    void setVisiblePanelPage(std::optional<ProgPage> page);
    // The programming page on top; a page write started by supervision writes this one.
    ProgPage activePage() const { return activePage_; }
    void setActivePage(ProgPage page) { activePage_ = page; }
    bool isPageVisible(ProgPage page) const;

    // Stores a value received for an entry number into every control bound to it: the text fields,
    // the time-zone list, the check-list box, the check boxes, then the first grid that takes it.
    // False when no control holds the number.
    bool storeEntry(int number, const QString &value);
    void storeField(SingleField &field, const QString &value, CheckListRule rule);
    // The grid that takes an entry number: the first whose range holds it and whose page is shown.
    GridModel *gridFor(int number) const;
    void Llegir_StringGrid(GridModel &grid, const QString &value, int number);

    // The installer's change of a single control; marks it while no transfer runs and a device answers.
    void editField(SingleField &field, const QString &value);
    // The device refused the control's parameter ("errprg", "NO_PAR"): an edit loses its text, and
    // the control is disabled and no longer counts as modified.
    void refuseField(SingleField &field);
    int ncampsModificats() const { return ncampsModificats_; }
    void setNcampsModificats(int count) { ncampsModificats_ = count; }
    // A grid cell shown as modified adds to the count once, until the count is reset.
    void countShownModified(GridModel &grid, int row, int column);
    // Nothing counted as modified: after a write, a page read or clearing all.
    void resetModifiedCount();

    // Every control still marked red goes back to its read colour and is enabled again.
    void CampsPantallaCLWindow();

    // Clearing: every field and grid back to its empty state.
    void Esborra_param();
    // The grid-clearing routine of that name (Esborra_entrades, Esborra_Central...).
    void runClearRoutine(const QString &routine);
    // The fields and grids of one page, as a page read clears them first.
    void clearPage(ProgPage page);
    void clearField(SingleField &field);

signals:
    void fieldChanged(const quelta::SingleField &field);
    void visiblePanelPageChanged();

private:
    void bindField(SingleField &field, const ParameterDictionary &dictionary) const;
    void bindGrid(GridModel &grid, const ParameterDictionary &dictionary) const;
    bool acceptsEntry(const GridModel &grid, int number) const;
    int rangeOf(const GridModel &grid) const;
    QStringList rowFields(const GridModel &grid, const QString &value, int number) const;
    QString padEventKind(const GridModel &grid, const QString &kind) const;
    void resetGrid(GridModel &grid);
    QStringList rowLabels(const GridModel &grid) const;
    void fieldStored(SingleField &field, const QString &value);

    const LinkState &link_;
    const TransferActivity &activity_;
    std::vector<SingleField> fields_;
    std::vector<std::unique_ptr<GridModel>> grids_;
    std::optional<ProgPage> visiblePanelPage_;
    ProgPage activePage_ = ProgPage::ConfigHard;
    int ncampsModificats_ = 0;
};

} // namespace quelta
