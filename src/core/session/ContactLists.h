#pragma once

#include "core/model/ContactTable.h"

#include <QObject>

namespace quelta {

class DoorsScreen;
class GridModel;
class ProgramContext;
class Programming;
struct LinkState;

// The installer's contact lists: the GPRS operator list of the device's configuration (cleared on
// the device in one step, imported and exported as a file) and the device's phone and app-user
// lists, which live in the cloud under the connected device's record and are read and written only
// when their buttons are pressed. The cloud calls block until they return.
class ContactLists : public QObject
{
    Q_OBJECT
public:
    // Esborra_Portes' options.
    enum Lists { Both = 0, Phones = 1, Users = 2 };

    static constexpr int kOperatorRows = 16;
    static constexpr int kOperatorsFirst = 8499; // a write run between these holds only the
    static constexpr int kOperatorsLast = 8600;  // operator grid (8501)

    ContactLists(ProgramContext &context, LinkState &link, Programming &programming, DoorsScreen &doors,
                 QObject *parent = nullptr);

    ContactTable &phones() { return phones_; }
    ContactTable &users() { return users_; }

    // --- the operator list -----------------------------------------------------------------------
    static QString operatorsImportTitle(); // "Importar el listado de operadoras"
    static QString operatorsExportTitle(); // "Exportar el listado de operadoras"
    static QString operatorsFilter();      // "Listado de operadoras|*.txt"
    // BBEsborraOperadoresClick: after confirmation, the grid is emptied and a write run sends
    // ";;;;" for every row the device holds an operator in. Only while a device session is
    // established and no transfer runs.
    void BBEsborraOperadoresClick();
    // The file the installer chose; false when nothing was imported or written.
    bool importOperators(const QString &path);
    bool exportOperators(const QString &path);

    // --- the phone list --------------------------------------------------------------------------
    static QString phonesImportTitle(); // "Importar el listado de teléfonos"
    static QString phonesExportTitle(); // "Exportar el listado de teléfonos"
    static QString phonesFilter();      // "Listado de teléfonos|*.txt"
    void BBLlegirTelClick();
    void Llegir_Telefons();
    void BBGuardarTelClick();
    void BBEliminarTelClick();
    bool importPhones(const QString &path);
    bool exportPhones(const QString &path);
    // An item of CBSGTelefons ("0" to "4") chosen for a row's door button.
    void chooseButton(int row, const QString &item);

    // --- the user list ---------------------------------------------------------------------------
    void BBLlegirUsuarisClick();
    void LLegir_Usuaris();
    void BbGuardarUsuarisClick();
    void BBEliminarUsuarisClick();

    // Both lists, one or the other, back to their titles and empty.
    void Esborra_Portes(int option);

    // The cloud writes of one row. False when the cloud refused or nothing could be written.
    bool ActualitzaTelefons(const QString &number, const QString &name, const QString &button, const QString &enabled);
    void EsborraTelefons(const QString &number);
    bool ActualitzaUsuaris(const QString &uid, const QString &enabled, const QString &email, const QString &buttons);
    void EsborraUsuaris(const QString &uid);

    // A data cell of the operator grid is painted: true when it shows red as differing from the
    // device (and counts once as modified). Red shows while no transfer runs and either a device
    // answers or the result strip shows a loaded template.
    bool operatorCellShown(int row, int column);
    // A data cell of a contact list is painted: true when it shows as a pending change (which also
    // shows "Guardar" and counts once as modified). Check cells show their change whatever the link.
    bool cellShown(ContactTable &table, int row, int column);
    // A release over a title cell: sorts by column 1 or 2, and the arrow moves there.
    void headerReleased(ContactTable &table, int column);
    // Where the sort arrow stands: the table and column, or none.
    const ContactTable *arrowTable() const { return arrowTable_; }
    int arrowColumn() const { return arrowColumn_; }

signals:
    // A cloud record could not be taken apart and was passed over.
    void beep();
    void arrowChanged();
    // What operatorCellShown answers may have changed.
    void operatorMarkingChanged();

private:
    GridModel *operators() const;
    bool exportRows(const QString &title, const QString &path, const QList<QStringList> &rows);
    void hideArrow();
    void reloadUsers();
    QString devicePath() const;

    ProgramContext &context_;
    LinkState &link_;
    Programming &programming_;
    DoorsScreen &doors_;
    ContactTable phones_{ContactTable::Kind::Phones};
    ContactTable users_{ContactTable::Kind::Users};
    const ContactTable *arrowTable_ = nullptr;
    int arrowColumn_ = -1;
};

} // namespace quelta
