#pragma once

#include <QString>

namespace quelta {

inline const QString kProgramVersion = QStringLiteral("2.2.01.31");
// Name of the settings key and of the single-instance lock; both predate the program version.
inline const QString kSettingsKeyName = QStringLiteral("Quelta Z20K3 CLOUD Ver. 2.0.02");
inline const QString kInstanceLockName = QStringLiteral("Quelta Z20K3 CLOUD");

} // namespace quelta

namespace quelta {

// Where the new-version notice sends the installer.
inline const QString kDownloadPage = QStringLiteral("https://www.quelta.es/descargas");

} // namespace quelta
