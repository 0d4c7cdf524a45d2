#pragma once

#include <QObject>
#include <QString>

#include <array>

namespace quelta {

// What the main window's status bar shows: the link state (panel 0), the current activity
// (panel 1), further status text (panel 2) and the progress of a long task.
class StatusBar : public QObject
{
    Q_OBJECT
public:
    static inline const QString kSinConexio = QStringLiteral("SIN   CONEXION");
    static inline const QString kConectat = QStringLiteral("CONECTADO");

    QString panel(int index) const { return panels_.at(static_cast<size_t>(index)); }
    void setPanel(int index, const QString &text);
    // Panel 0 shows the link state; the other two are emptied.
    void showLinkState(const QString &state);

    bool progressVisible() const { return progressVisible_; }
    int progress() const { return progress_; }
    void setProgress(int percent);
    void hideProgress();
    // The label LEstat over the progress bar: emptied when a write starts, "n%" as it goes on.
    QString LEstat() const { return LEstat_; }
    void setLEstat(const QString &text);

signals:
    void panelChanged(int index, const QString &text);
    void progressChanged(bool visible, int percent);
    void LEstatChanged(const QString &text);

private:
    std::array<QString, 3> panels_{kSinConexio, QString(), QString()};
    bool progressVisible_ = false;
    int progress_ = 0;
    QString LEstat_;
};

} // namespace quelta
