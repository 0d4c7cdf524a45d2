#pragma once

#include <QObject>

namespace quelta {

class CommandChannel;
class ConfigurationModel;
class DiagnosticTrace;
class LinkSupervisor;
class ProgrammingLock;
class StatusBar;
class TransferActivity;
class ViewState;
struct LinkState;

// What the read and write engines work with: the link, the status bar, the transfer activity and
// the view, supervision, the model, the programming lock and the trace.
struct TransferContext
{
    LinkState &link;
    CommandChannel &channel;
    StatusBar &statusBar;
    TransferActivity &activity;
    ViewState &views;
    LinkSupervisor &supervisor;
    ConfigurationModel &model;
    ProgrammingLock &lock;
    DiagnosticTrace &trace;
};

// The ground both transfer engines stand on: the shared objects, under the names the engines use.
class TransferEngine : public QObject
{
protected:
    TransferEngine(const TransferContext &context, QObject *parent)
        : QObject(parent)
        , link_(context.link)
        , channel_(context.channel)
        , statusBar_(context.statusBar)
        , activity_(context.activity)
        , views_(context.views)
        , supervisor_(context.supervisor)
        , model_(context.model)
        , lock_(context.lock)
        , trace_(context.trace)
    {
    }

    LinkState &link_;
    CommandChannel &channel_;
    StatusBar &statusBar_;
    TransferActivity &activity_;
    ViewState &views_;
    LinkSupervisor &supervisor_;
    ConfigurationModel &model_;
    ProgrammingLock &lock_;
    DiagnosticTrace &trace_;
};

} // namespace quelta
