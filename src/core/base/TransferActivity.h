#pragma once

#include <QObject>

namespace quelta {

// Whether a transfer, or a step that holds the link as one does, is running. Edits are not marked
// and templates wait meanwhile; the window shows it as the busy cursor.
class TransferActivity : public QObject
{
    Q_OBJECT
public:
    bool running() const { return running_; }
    void setRunning(bool running)
    {
        if (running_ == running)
            return;
        running_ = running;
        emit runningChanged(running);
    }

signals:
    void runningChanged(bool running);

private:
    bool running_ = false;
};

} // namespace quelta
