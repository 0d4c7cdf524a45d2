#pragma once

class QCoreApplication;

namespace quelta::tools {

// SIGTERM and SIGINT end the application's event loop, so that the program cleans up on its way
// out. Nothing happens outside POSIX systems.
void quitOnSignals(QCoreApplication &app);

} // namespace quelta::tools
