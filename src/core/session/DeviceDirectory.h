#pragma once

#include "core/cloud/DirectoryEntries.h"

#include <QList>
#include <QObject>

namespace quelta {

class CloudAccess;
class DeviceSession;
class ProgramContext;
struct DialogRequest;

// The cloud's device directory: finding the devices of a company, installer and reference behind
// their access key, listing them with their links, and, from the list, reaching a device through
// the broker, showing its last state, or removing it. The view paints what this decides.
class DeviceDirectory : public QObject
{
    Q_OBJECT
public:
    DeviceDirectory(ProgramContext &context, DeviceSession &device, CloudAccess &cloud, QObject *parent = nullptr);

    const QList<DirectoryEntry> &entries() const { return entries_; }
    // The search of the last listing (BuscaCircuitEmp, BuscaCircuitInstal, BuscaCircuitRef).
    const DirectorySearch &listedSearch() const { return listed_; }
    // Why the last listing could not read the devices, empty when it read them: an empty list is
    // then the search's own answer.
    const QString &listingError() const { return listingError_; }

    // "Buscar": the signed-in user's own devices, once the key of their level is known.
    void MIBuscarClick();
    // "BUSCAR" with the search bar's values.
    void BBLlistatBuscaClick(const DirectorySearch &typed);
    // "ACEPTAR" in the key panel: the key typed for the search bar's level.
    void BBAcceptarPasswordClick(const DirectorySearch &typed, const QString &key);
    // A double click on the list, row counted from 1.
    void SGLListatCircuitsDblClick(int row, int column);

    // The key stored for the level, with the dialogs of a failed look-up: the key, empty when the
    // level has none, or "ERROR!!".
    QString BuscaClauRTDB(const DirectorySearch &search);

signals:
    void searchFilled(const quelta::DirectorySearch &search);
    void listed(const QList<quelta::DirectoryEntry> &entries);
    void keyPanelShown();
    void keyPanelHidden();
    void companyFocusRequested();
    void installerFocusRequested();
    void keyFocusRequested();
    // The internet is gone: the cloud's views are switched off and the title says so.
    void offline();
    // The device is on line by neither link: its last state in the cloud is shown instead.
    void snapshotRequested(const QString &identifier);
    // The devices are being read: the window shows the busy cursor.
    void busyChanged(bool busy);

private:
    bool refusedForNow();
    void LlistatCircuits(const DirectorySearch &search);
    void listOrOpenKeyPanel(const DirectorySearch &search, bool ownLevel, bool warnOfWrongKey);
    bool askToCreate();
    void showKeyPanel();
    void failLookUp(const DialogRequest &request, bool focusCompany);
    void reachDevice(const DirectoryEntry &entry, bool ethernet);
    void deleteDevice(const DirectoryEntry &entry);
    bool isSignedInUsersLevel(const DirectorySearch &search) const;

    ProgramContext &context_;
    DeviceSession &device_;
    CloudAccess &cloud_;
    QList<DirectoryEntry> entries_;
    DirectorySearch listed_;
    QString listingError_;
};

} // namespace quelta
