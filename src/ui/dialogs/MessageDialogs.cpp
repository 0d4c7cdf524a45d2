#include "ui/dialogs/MessageDialogs.h"

#include "core/base/Version.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace quelta::ui {
namespace {

struct MessageDialogTexts
{
    Q_DECLARE_TR_FUNCTIONS(MessageDialogs)
};

QMessageBox::Icon iconOf(DialogType type)
{
    switch (type) {
    case DialogType::Warning: return QMessageBox::Warning;
    case DialogType::Error: return QMessageBox::Critical;
    case DialogType::Information: return QMessageBox::Information;
    case DialogType::Confirmation: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QString standardCaption(DialogResult result)
{
    switch (result) {
    case DialogResult::Ok: return dialog::aceptar();
    case DialogResult::Cancel: return MessageDialogTexts::tr("Cancelar");
    case DialogResult::Yes: return dialog::si();
    case DialogResult::No: return dialog::no();
    case DialogResult::Close: return dialog::cerrar();
    case DialogResult::None: break;
    }
    return {};
}

// Escape and the close box answer with Cancel, else No, else Ok, else Close, as a message box of
// that button set does.
DialogResult escapeResult(const QList<DialogResult> &buttons)
{
    for (DialogResult result : {DialogResult::Cancel, DialogResult::No, DialogResult::Ok, DialogResult::Close}) {
        if (buttons.contains(result))
            return result;
    }
    return DialogResult::None;
}

int marginAt(int dpi)
{
    switch (dpi) {
    case 96: return 10;
    case 120: return 20;
    case 144: return 30;
    case 168: return 40;
    default: return 0;
    }
}

int screenDpi()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInch()) : 96;
}

} // namespace

// Every button takes the same role so that the platform's button order cannot reorder them: the
// order is the request's. They sit centred, each as wide as its caption plus 15 px.
MessageDialog::MessageDialog(const DialogRequest &request, QWidget *parent)
    : QMessageBox(iconOf(request.type), request.caption, request.message, QMessageBox::NoButton, parent)
{
    const DialogResult onEscape = escapeResult(request.buttons);
    for (qsizetype i = 0; i < request.buttons.size(); ++i) {
        const DialogResult result = request.buttons.at(i);
        const QString caption = i < request.captions.size() ? request.captions.at(i) : standardCaption(result);
        QPushButton *button = addButton(caption, QMessageBox::ActionRole);
        button->setMinimumWidth(button->fontMetrics().horizontalAdvance(caption) + 15);
        if (result == onEscape)
            setEscapeButton(button);
        buttons_.append({button, result});
    }
    if (!buttons_.isEmpty())
        setDefaultButton(buttons_.constFirst().first);
    if (auto *box = findChild<QDialogButtonBox *>())
        box->setCenterButtons(true);
}

QList<QPushButton *> MessageDialog::dialogButtons() const
{
    QList<QPushButton *> buttons;
    for (const auto &[button, result] : buttons_)
        buttons.append(button);
    return buttons;
}

DialogResult MessageDialog::chosen() const
{
    for (const auto &[button, result] : buttons_) {
        if (button == clickedButton())
            return result;
    }
    return DialogResult::None;
}

DialogResult ElMeuMessageDlg(const DialogRequest &request, QWidget *parent)
{
    MessageDialog box(request, parent);
    box.exec();
    return box.chosen();
}

// The timer belongs to this call, so it dies when the dialog returns first and can never close a
// later window. It closes the dialog itself rather than whatever window is active at that moment.
DialogResult ElMeuMessageDlgTemps(const DialogRequest &request, int seconds, QWidget *parent)
{
    MessageDialog box(request, parent);
    QTimer closer;
    closer.setSingleShot(true);
    QObject::connect(&closer, &QTimer::timeout, &box, [&box] { box.done(QDialog::Rejected); });
    closer.start(seconds * 1000);
    box.exec();
    return box.chosen();
}

bool ElMeuMessageDlgHyperlink(const QString &title, const QString &message, QWidget *parent)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(MessageDialogTexts::tr("Nueva actualización"));
    dialog.setWindowIcon(QApplication::windowIcon());

    auto *icon = new QLabel(&dialog);
    icon->setPixmap(QApplication::windowIcon().pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);

    auto *heading = new QLabel(title, &dialog);
    heading->setObjectName(QStringLiteral("title"));
    QFont headingFont = heading->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.3);
    heading->setFont(headingFont);
    heading->setTextFormat(Qt::PlainText);

    auto *text = new QLabel(message, &dialog);
    text->setObjectName(QStringLiteral("message"));
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);

    auto *link = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>")
                                .arg(kDownloadPage.toHtmlEscaped(), MessageDialogTexts::tr("Descargar ahora").toHtmlEscaped()),
                            &dialog);
    link->setObjectName(QStringLiteral("downloadLink"));
    link->setTextFormat(Qt::RichText);
    QObject::connect(link, &QLabel::linkActivated, &dialog, [&dialog](const QString &url) {
        QDesktopServices::openUrl(QUrl(url));
        dialog.accept();
    });

    auto *buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(MessageDialogTexts::tr("Cerrar"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto *texts = new QVBoxLayout;
    texts->addWidget(heading);
    texts->addWidget(text);
    texts->addWidget(link);
    auto *body = new QHBoxLayout;
    body->addWidget(icon);
    body->addLayout(texts, 1);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addLayout(body);
    layout->addWidget(buttons);

    return dialog.exec() == QDialog::Accepted;
}

int GetWidthText(const QString &text, const QFont &font)
{
    return GetWidthText(text, font, screenDpi());
}

int GetWidthText(const QString &text, const QFont &font, int dpi)
{
    return QFontMetrics(font).horizontalAdvance(text) + marginAt(dpi);
}

} // namespace quelta::ui
