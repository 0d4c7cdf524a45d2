#pragma once

#include <QFrame>

class QLabel;
class QPlainTextEdit;
class QTextEdit;
class QToolButton;

namespace quelta {
class DeviceEventLog;
class StatusScreen;
struct LogLine;
} // namespace quelta

namespace quelta::ui {

// PEstatQuelta: the heading "ESTADO GENERAL", the device's date and time, and the device event
// log REQuelta with its follow/pause, all-codes and clear buttons.
class EventLogView : public QFrame
{
    Q_OBJECT
public:
    EventLogView(DeviceEventLog &log, StatusScreen &screen, QWidget *parent = nullptr);

    QLabel *heading() const { return LEstatQuelta_; }
    // The log's background: light blue on a live link.
    void setLogBackground(const QColor &colour);
    void retranslate();

private:
    QToolButton *button(const char *name);
    void appendLine(const LogLine &line);
    void replaceLastLine(const LogLine &line);
    void showAll();
    void showAppearance();
    void showButtons();
    void showSnapshot(bool snapshot);
    void scrollToBottom();

    DeviceEventLog &log_;
    StatusScreen &screen_;
    QLabel *LEstatQuelta_;
    QPlainTextEdit *MDataHora_;
    QTextEdit *REQuelta_;
    QToolButton *BPara_;
    QToolButton *BTot_;
    QToolButton *BEsborra_;
};

} // namespace quelta::ui
