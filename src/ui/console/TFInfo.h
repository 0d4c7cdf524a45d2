#pragma once

#include "core/base/DiagnosticTrace.h"

#include <QTimer>
#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace quelta {
class DiagnosticConsole;
}

namespace quelta::ui {

// The service console: raw commands for the device and its GSM module, the diagnostic switches,
// and the trace. The trace is the core's: lines traced before the window opened, up to the trace's
// bound, are shown when it opens. While the window shows, new lines are gathered and laid out a few
// times a second in one edit, never one repaint per line; while it is hidden nothing is laid out.
class TFInfo : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kFlushMs = 100;

    explicit TFInfo(DiagnosticConsole &console, QWidget *parent = nullptr);

    // The hidden gesture of the main window: shows the console, or hides it when it shows.
    void toggle();
    // Lays out what was traced since the last time; the timer calls it.
    void flush();

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QPushButton *button(const char *name, void (TFInfo::*clicked)());
    void retranslate();
    void paintState();
    void traceLineAdded();
    void traceCleared();
    void BEnviarModulClick();
    void BEnviarQueltaClick();
    void BEsborrarREportSerieClick();
    void BPararREportSerieClick();
    void BInfoClick();
    void BGsmClick();
    void BUartClick();
    void BTestClick();

    DiagnosticConsole &console_;
    DiagnosticTrace &trace_;
    QTimer flushTimer_;
    quint64 shown_ = 0; // sequence number of the next trace line to lay out

    QPushButton *BEnviarModul_ = nullptr;
    QPushButton *BEnviarQuelta_ = nullptr;
    QLineEdit *EEnviarModul_ = nullptr;
    QLineEdit *EEnviarQuelta_ = nullptr;
    QPushButton *BEsborrarREportSerie_ = nullptr;
    QPushButton *BPararREportSerie_ = nullptr;
    QPushButton *BInfo_ = nullptr;
    QPushButton *BGsm_ = nullptr;
    QPushButton *BUart_ = nullptr;
    QPushButton *BTest_ = nullptr;
    QCheckBox *CBHexa_ = nullptr;
    QPlainTextEdit *REPortserie_ = nullptr;
};

// How the console paints a trace colour.
QColor traceColour(TraceColour colour);

} // namespace quelta::ui
