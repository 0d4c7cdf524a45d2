#pragma once

#include <QString>

class QFileDialog;
class QWidget;

namespace quelta::ui {

// The suffix of a filter's first pattern: "pla" for "Plantilla (*.pla)"; empty when it has none.
QString defaultSuffix(const QString &filter);

// A save dialog whose typed names take the filter's suffix, so that what is saved is what the open
// dialog shows. Replacing a file is not asked here: the core asks it with the program's own words.
void prepareSaveDialog(QFileDialog &dialog, const QString &filter);

// The name chosen in such a dialog; empty when it was cancelled.
QString saveFileName(QWidget *parent, const QString &title, const QString &filter);

} // namespace quelta::ui
