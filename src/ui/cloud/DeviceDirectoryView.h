#pragma once

#include "core/cloud/DirectoryEntries.h"

#include <QList>
#include <QString>
#include <QWidget>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QToolButton;

namespace quelta::ui {

// The device directory (PLlistatCircuits): the search bar, the list of the devices found with the
// state of their two links, and the panel that asks for the access key over the list. It only shows
// and reports; the session that owns the cloud runs the searches and answers the double clicks.
class DeviceDirectoryView : public QWidget
{
    Q_OBJECT
public:
    // The list's columns.
    enum Column { Number, Installer, Reference, Identifier, Ethernet, Gprs, ColumnCount };

    explicit DeviceDirectoryView(QWidget *parent = nullptr);

    // The devices found, one row each from row 1; a device reached by neither link shows the delete
    // mark instead of its number.
    void showEntries(const QList<DirectoryEntry> &entries);

    void fillSearch(const DirectorySearch &search);
    // The three edits, trimmed.
    DirectorySearch search() const;

    // The key panel in front of the list, its edit empty and focused.
    void showKeyPanel();
    void hideKeyPanel();

    void focusCompany();
    void focusInstaller();
    void focusKey();

signals:
    // "BUSCAR", or Return in one of the search edits.
    void searchRequested(const quelta::DirectorySearch &search);
    // "ACEPTAR", or Return in the key edit.
    void keyEntered(const QString &key);
    // A double click on a device's cell: row counted from 1 as the list numbers it, column 0 to 5.
    void cellActivated(int row, int column);

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QGroupBox *buildSearchBar();
    QTableWidget *buildGrid();
    QFrame *buildKeyPanel();
    void retranslateUi();
    void placeKeyPanel();
    void maskKey(bool masked);

    QGroupBox *GBLlistatCircuits_ = nullptr;
    QLabel *companyLabel_ = nullptr;
    QLabel *installerLabel_ = nullptr;
    QLabel *referenceLabel_ = nullptr;
    QLineEdit *ELListatEmpresa_ = nullptr;
    QLineEdit *ELlistatInstal_ = nullptr;
    QLineEdit *ELlistatRef_ = nullptr;
    QPushButton *BBLlistatBusca_ = nullptr;

    QTableWidget *SGLListatCircuits_ = nullptr;

    QFrame *PBuscaPassword_ = nullptr;
    QLabel *keyCaption_ = nullptr;
    QLineEdit *EBuscaPassword_ = nullptr;
    QPushButton *BBAcceptarPassword_ = nullptr;
    QPushButton *BBMostraPassword_ = nullptr;
    QToolButton *ISortirBuscaPasword_ = nullptr;
};

} // namespace quelta::ui
