#pragma once

#include <QFrame>

#include <array>

class QLabel;

namespace quelta {
class DoorsScreen;
}

namespace quelta::ui {

class ClickableLabel;

// PEstatPortes, the doors screen of the door controller: per door its picture IPBoto n, which
// opens or closes it, its name PBotoNom n and its state PBoto n, placed where the core lays them.
class DoorsView : public QFrame
{
    Q_OBJECT
public:
    static constexpr int kHeight = 260;

    explicit DoorsView(DoorsScreen &doors, QWidget *parent = nullptr);

    // Shown with a door controller, hidden with any other panel type.
    void setShown(bool shown);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    struct DoorWidgets
    {
        ClickableLabel *picture;
        QLabel *name;
        QLabel *state;
    };

    QLabel *panel(const QString &name, int radius, const char *background);
    void showDoor(int n);

    DoorsScreen &doors_;
    std::array<DoorWidgets, 4> widgets_{};
};

} // namespace quelta::ui
