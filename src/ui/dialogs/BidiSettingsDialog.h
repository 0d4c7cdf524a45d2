#pragma once

#include <QDialog>

class QLineEdit;

namespace quelta {
class Telecontrol;
}

namespace quelta::ui {

// PBidi: the address and port the telecontrol server listens on. "Aceptar" hands both to the
// telecontrol module, which refuses an empty port (the port field then takes the focus) and
// otherwise moves the server and saves them; "Salir sin cambiar" leaves everything as it was.
class BidiSettingsDialog : public QDialog
{
    Q_OBJECT
public:
    BidiSettingsDialog(Telecontrol &telecontrol, QWidget *parent);

    // MIBidiClick: nothing while a client is connected; otherwise the panel with the current values.
    static void MIBidiClick(Telecontrol &telecontrol, QWidget *parent);

private:
    void BBidiAcceptarClick();

    Telecontrol &telecontrol_;
    QLineEdit *ip_ = nullptr;
    QLineEdit *port_ = nullptr;
};

} // namespace quelta::ui
