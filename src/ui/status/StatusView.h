#pragma once

#include <QWidget>

#include <array>

class QLabel;
class QTextEdit;
class QToolButton;

namespace quelta {
class StatusScreens;
enum class LinkBoxId;
enum class TextBoxId;
} // namespace quelta

namespace quelta::ui {

class ClickableLabel;
class DoorsView;
class EventLogView;
class GaugeView;

// The device's status screen: on the left PEstatES with the identity texts and beside them the
// device commands "Reset" and "Envío a la CRA", the input and output boxes and their covers, the
// link boxes, the GSM text and the gauges; on the right PEstatES2 with the doors screen of a door
// controller over PEstatQuelta and its event log. It paints what the core's StatusScreen holds; a
// click on an output box or a command asks the core to act.
class StatusView : public QWidget
{
    Q_OBJECT
public:
    explicit StatusView(StatusScreens &screens, QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildLeftColumn();
    QWidget *buildActivities();
    QWidget *buildGauges();
    QWidget *buildCommands();
    QToolButton *commandButton(const char *name, int glyph, void (StatusScreens::*command)());
    QWidget *buildRightColumn();
    QTextEdit *textBox(const char *name, int lines);
    QLabel *linkBox(const char *name);
    QLabel *cover(const char *name);
    void connectCore();
    void retranslate();

    void showInput(int n);
    void showOutput(int n);
    void showLinkBox(LinkBoxId id);
    void showCovers();
    void placeCovers();
    void showGauges();
    void showTextBox(TextBoxId id);
    void showLabels();
    void showPanelScreen();
    void showSnapshotLook(bool snapshot);

    StatusScreens &screens_;
    QWidget *PEstatES_ = nullptr;
    QWidget *PEstatES2_ = nullptr;
    QWidget *PESActivades_ = nullptr;
    QWidget *inputsBlock_ = nullptr;
    QWidget *outputsBlock_ = nullptr;
    QLabel *LEntrades_ = nullptr;
    QLabel *LSortides_ = nullptr;
    std::array<QLabel *, 16> inputs_{};
    std::array<ClickableLabel *, 4> outputs_{};
    QLabel *PEntradesNoDisp_ = nullptr;
    QLabel *PSortidesNoDisp_ = nullptr;
    std::array<QLabel *, 3> linkBoxes_{};
    std::array<QTextEdit *, 3> textBoxes_{};
    QLabel *LTamper_ = nullptr;
    QLabel *LAlim_ = nullptr;
    GaugeView *tamper_ = nullptr;
    GaugeView *power_ = nullptr;
    QLabel *REInterCentral_ = nullptr;
    QToolButton *BBReset_ = nullptr;
    QToolButton *BBCRA_ = nullptr;
    DoorsView *doors_ = nullptr;
    EventLogView *eventLog_ = nullptr;
};

} // namespace quelta::ui
