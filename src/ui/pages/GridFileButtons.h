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

    struct Button
    {
        const char *name;
        const char *caption;
        std::function<void()> action;
    };
    // Where the buttons go: a row under the grid, or a column beside it where the page has no
    // height to spare.
    enum class Placement { Below, Beside };
    // Buttons for the named grid of the pages, their clicks handled in owner's name.
    static void addRow(QObject &owner, Captions &captions, QWidget &pages, const char *grid,
                       const std::vector<Button> &buttons, Placement placement = Placement::Below);
    // The file dialogs, with a filter written "Title|*.txt". Empty when the installer cancels.
    static QString openFile(QWidget &parent, const QString &title, const QString &filter);
    static QString saveFile(QWidget &parent, const QString &title, const QString &filter);

private:
    void addRow(QWidget &pages, const char *grid, const std::vector<Button> &buttons)
    {
        addRow(*this, captions_, pages, grid, buttons);
    }
    QString openFile(const QString &title, const QString &filter) const { return openFile(pages_, title, filter); }
    QString saveFile(const QString &title, const QString &filter) const { return saveFile(pages_, title, filter); }

    Programming &programming_;
    Captions &captions_;
    QWidget &pages_;
};

} // namespace quelta::ui
