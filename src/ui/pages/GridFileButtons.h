#pragma once

#include <QObject>

#include <functional>
#include <vector>

class QWidget;

namespace quelta {
class Programming;
}

namespace quelta::ui {

class Captions;

// The buttons under the fire panels' event-text grids and the Aguilera zone list: import and export
// of their files, and erasing the device's table. The file dialogs are here; the rest is the core's.
class GridFileButtons : public QObject
{
    Q_OBJECT
public:
    GridFileButtons(Programming &programming, Captions &captions, QWidget &pages);

private:
    struct Button
    {
        const char *name;
        const char *caption;
        std::function<void()> action;
    };
    void addRow(QWidget &pages, const char *grid, const std::vector<Button> &buttons);
    QString openFile(const QString &title, const QString &filter) const;
    QString saveFile(const QString &title, const QString &filter) const;

    Programming &programming_;
    Captions &captions_;
    QWidget &pages_;
};

} // namespace quelta::ui
