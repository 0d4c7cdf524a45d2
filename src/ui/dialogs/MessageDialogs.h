#pragma once

#include "core/base/Prompter.h"

#include <QList>
#include <QMessageBox>

#include <utility>

class QFont;
class QPushButton;

namespace quelta::ui {

// The program's message box: the request's caption as title, the icon of its type, and its buttons
// laid out in creation order, each relabelled with the caption of the same position (a button
// without one keeps the program's standard caption).
class MessageDialog : public QMessageBox
{
    Q_OBJECT
public:
    explicit MessageDialog(const DialogRequest &request, QWidget *parent = nullptr);

    // In creation order.
    QList<QPushButton *> dialogButtons() const;
    // The button that ended the dialog; None when it was closed without one.
    DialogResult chosen() const;

private:
    QList<std::pair<QPushButton *, DialogResult>> buttons_;
};

// Modal; returns the button the installer chose. The request's autoCloseSeconds is ignored here:
// ElMeuMessageDlgTemps is the self-closing form.
DialogResult ElMeuMessageDlg(const DialogRequest &request, QWidget *parent = nullptr);
// The same dialog, closing itself after that many seconds; it then returns None.
DialogResult ElMeuMessageDlgTemps(const DialogRequest &request, int seconds, QWidget *parent = nullptr);
// The new-version notice. True when the installer followed the download link: the page has been
// opened and the caller ends the program.
bool ElMeuMessageDlgHyperlink(const QString &title, const QString &message, QWidget *parent = nullptr);

// Pixel width of a text plus the margin the status bar leaves at the screen's density.
int GetWidthText(const QString &text, const QFont &font);
// The same at a given density: 10, 20, 30 or 40 px at 96, 120, 144 or 168 dpi, none at others.
int GetWidthText(const QString &text, const QFont &font, int dpi);

} // namespace quelta::ui
