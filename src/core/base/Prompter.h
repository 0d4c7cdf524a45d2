#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace quelta {

enum class DialogType { Warning, Error, Information, Confirmation };

// The buttons a dialog can offer, and which one ended it. None: the dialog closed by itself.
enum class DialogResult { None, Ok, Cancel, Yes, No, Close };

struct DialogRequest
{
    QString caption;
    QString message;
    DialogType type = DialogType::Information;
    QList<DialogResult> buttons{DialogResult::Ok}; // in creation order
    QStringList captions;                          // relabel the buttons in that order
    int autoCloseSeconds = 0;                      // > 0: closes itself after that many seconds
};

// How the core asks and warns. The window answers with real dialogs; tests and the headless front
// end answer without one.
class Prompter
{
public:
    virtual ~Prompter() = default;

    // ElMeuMessageDlg, or ElMeuMessageDlgTemps when the request closes itself.
    virtual DialogResult ElMeuMessageDlg(const DialogRequest &request) = 0;
    // The new-version notice with its download link. True when the installer chose to download:
    // the link has then been opened and the program must end.
    virtual bool ElMeuMessageDlgHyperlink(const QString &title, const QString &message) = 0;
};

} // namespace quelta

// The program's standard captions, and the requests most dialogs are made of.
namespace quelta::dialog {

QString atencio();     // "¡ ATENCIÓN !"
QString error();       // "ERROR"
QString confirmacio(); // "CONFIRMACION"
QString aceptar();
QString cerrar();
QString si();
QString no();

DialogRequest warning(const QString &message, int autoCloseSeconds = 0);
DialogRequest information(const QString &caption, const QString &message);
DialogRequest confirmation(const QString &message);

} // namespace quelta::dialog
