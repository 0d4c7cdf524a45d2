#pragma once

#include <QMainWindow>

#include <array>
#include <functional>
#include <vector>

class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QStatusBar;
class QToolButton;

namespace quelta {
class DeviceSession;
class ProgramContext;
class Programming;
class Shell;
class StatusScreens;
struct LanguageInfo;
enum class View;
} // namespace quelta

namespace quelta::ui {

class ClickGesture;
class DeviceDirectoryView;
class RemotePanel;
class ProgrammingView;
class StatusBarPanel;
class StatusLamp;
class TFInfo;

// The main window: the left button bar that chooses the view, the link strip on top, the views,
// and the status bar with the link lamps and the progress bar. Behaviour lives in the Shell.
class TFPrincipalQueltaES : public QMainWindow
{
    Q_OBJECT
public:
    static constexpr std::array<int, 3> kPanelWidths{250, 400, 250};
    static constexpr int kStatusBarHeight = 26;

    // FormCreate: the Shell's creation steps in their order, with the window's own steps between.
    explicit TFPrincipalQueltaES(Shell &shell, QWidget *parent = nullptr);

    // False when creation stopped because the dictionaries could not be read: the program ends.
    bool created() const { return created_; }

    // The lamps sit after the texts of panels 0 and 1 and the progress bar over panel 1; they move
    // when the texts change language.
    void placeStatusBarItems();

    // Places a hint and keeps it up for 10 s; "\r\n" in the program's texts breaks the line.
    void InicialitzaHint();

signals:
    // Eleven clicks on the menu bar's blank first item.
    void consoleToggleRequested();
    // Eleven clicks on the empty part of the left bar during a device session.
    void firmwareUpdateViewRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Caption
    {
        std::function<void(const QString &)> apply;
        const char *source;
    };

    void buildWidgets();
    QWidget *buildButtonBar();
    QWidget *buildLinkStrip();
    QWidget *buildViews();
    void buildAccessCodePrompt();
    void placeAccessCodePrompt();
    void buildStatusBar();
    void buildMenus();
    void buildLanguageMenu(QMenu *menu);
    void connectShell();
    void connectDirectory();
    QToolButton *addBarButton(const char *name, const char *source, void (TFPrincipalQueltaES::*handler)());
    QAction *addMenuItem(QWidget *owner, const char *name, const char *source);
    QMenu *addTopMenu(const char *name, const char *source);
    void registerCaption(std::function<void(const QString &)> apply, const char *source);
    void retranslateUi();

    void FormActivate();
    void showSinConexio();
    void refreshPortList();
    QWidget *pageOf(View view) const;
    void bringToFront(View view);
    void showView(View view);
    void checkLanguageItem(const QString &storedName);
    void showStatusPanel(int index, const QString &text);
    void SBEstatDrawPanel();
    void showProgress(bool visible, int percent);
    void showBusy(bool busy);
    void showUpdateBusy();
    void paintLamps();
    void showConnectionEstablished();
    void showConnectionEnded();
    void showStatusScreen(bool connected);
    void showLocalLink();
    void showAccessCodePrompt();
    void paintCommands(const QStringList &controls);

    void BBProgClick();
    void MIICrearplantillaClick();
    void MIIImportarPlantillaClick();
    void showResult(const QString &text);
    void BBBuscarClick();
    void BBMapaClick();
    void BBActualitzarClick();
    void BBEventsClick();
    void BBLlegirEstatClick();
    void CCBPortChange(const QString &name);
    void MIIComunicacioLocalClick();
    void MIIComunicacioRemotaClick();
    void MIIServidorMQTTClick();
    void showRemoteSessionOpened();
    void BBDesbloqueigAcceptarClick();
    void BBDesbloqueigCancellarClick();
    void MITancarSessioClick();
    void MIIAcercaDeClick();
    void LanguageClick(const LanguageInfo &language);
    void showLanguageSwitched();

    Shell &shell_;
    ProgramContext &context_;
    DeviceSession &device_;
    Programming &programming_;
    StatusScreens &screens_;
    bool created_ = false;
    bool activationQueued_ = false;
    bool updateBusy_ = false;
    std::vector<Caption> captions_;

    QWidget *PBotons_ = nullptr;
    QToolButton *BBProg_ = nullptr;
    QToolButton *BBBuscar_ = nullptr;
    QToolButton *BBMapa_ = nullptr;
    QToolButton *BBActualitzar_ = nullptr;
    QToolButton *BBEvents_ = nullptr;
    QToolButton *BBLlegirEstat_ = nullptr;

    QStackedWidget *linkStrip_ = nullptr;
    QWidget *PUSB_ = nullptr;
    QComboBox *CCBPort_ = nullptr;
    RemotePanel *PIP_ = nullptr;

    QStackedWidget *views_ = nullptr;
    QWidget *PEstat_ = nullptr;
    QLabel *PEstatCaption_ = nullptr;
    QWidget *deviceStatusPanels_ = nullptr;
    QWidget *PProgramacio_ = nullptr;
    ProgrammingView *programmingView_ = nullptr;
    DeviceDirectoryView *PLlistatCircuits_ = nullptr;
    QWidget *PActualitzacions_ = nullptr;
    TFInfo *TFInfo_ = nullptr;
    QWidget *PMapa_ = nullptr;
    QWidget *PEvents_ = nullptr;
    QWidget *PBloqueig_ = nullptr;
    QLineEdit *ECodiDesbloqueig_ = nullptr;

    QStatusBar *SBEstat_ = nullptr;
    std::array<StatusBarPanel *, 3> statusPanels_{};
    QProgressBar *PBEstat_ = nullptr;
    QLabel *LEstat_ = nullptr;
    StatusLamp *ComLedRX_ = nullptr;
    StatusLamp *ComLedTX_ = nullptr;
    StatusLamp *ComLedRXAgui_ = nullptr;
    StatusLamp *ComLedTXAgui_ = nullptr;

    QAction *MIBuscar_ = nullptr;
    QAction *MIILlegir_ = nullptr;
    QAction *MIIGravar_ = nullptr;
    QAction *MIIDefecte_ = nullptr;
    QAction *MIICrearplantilla_ = nullptr;
    QAction *MIIImportarPlantilla_ = nullptr;
    QLabel *PRes_ = nullptr;
    QAction *MIIComunicacioLocal_ = nullptr;
    QAction *MIIComunicacioRemota_ = nullptr;
    QActionGroup *languageItems_ = nullptr;
    ClickGesture *consoleGesture_ = nullptr;
    ClickGesture *updateGesture_ = nullptr;
};

} // namespace quelta::ui
