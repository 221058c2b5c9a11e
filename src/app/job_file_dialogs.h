#pragma once

#include <QString>

#include <functional>

class QWidget;

// What the windows that keep jobs in files (the worksheet's and the
// multi-task job's) ask and tell alike: the unsaved-changes question, the
// file dialogs and the warnings.
namespace app {

// The extension of job files, of one task or of several.
inline constexpr auto kJobFileSuffix = "liftjob";

// The path in quotes and the platform's separators, for a message.
QString Quoted(const QString& path);

// Asks whether what ("The job") keeps its changes, saved in path (if any),
// before doing ("closing the worksheet"): Save runs save and goes on where it
// saved, Discard goes on, Cancel and Escape stop. True when the caller may go
// on.
bool AskToSave(QWidget* parent, const QString& title, const QString& what, const QString& path,
               const QString& doing, const std::function<bool()>& save);

// Qt's own file dialog for a job file to open, or to save to with name
// offered (where not empty), opening in path's folder, or in *folder where
// there is no path; *folder becomes where the user chose. The file chosen, or
// empty.
QString AskJobPath(QWidget* parent, const QString& caption, bool save, const QString& path,
                   const QString& name, QString* folder);

// A warning the user closes with OK.
void Warn(QWidget* parent, const QString& title, const QString& message);

} // namespace app
