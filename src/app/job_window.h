#pragma once

#include "lifting/job_file.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class Form1;
class QAction;
class QKeySequence;
class QMenu;

namespace app {

class MultiTaskWindow;
struct ReportInput;

// The worksheet window with the job it holds: its details, the job file it
// was opened from or saved to, and the actions that keep it, reached by
// shortcuts on the window and by the context menu of the sheet (a right click
// outside every control). The window itself stays as designed.
class JobWindow : public QObject {
    Q_OBJECT

  public:
    JobWindow();
    ~JobWindow() override;
    JobWindow(const JobWindow&) = delete;
    JobWindow& operator=(const JobWindow&) = delete;

    Form1& form() { return *form_; }
    const lifting::JobDetails& details() const { return details_; }
    // The job file open, as an absolute path; empty when there is none.
    const QString& path() const { return path_; }
    // The job as Save would write it now.
    lifting::JobFile Current() const;
    // The report of the job as the window shows it now.
    ReportInput Report() const;
    // Whether the job, CALCULATE or the details differ from what was last
    // opened, saved or started, or the job opened showed other cells than its
    // file kept. The title marks it.
    bool IsModified() const;

    // The "Multi-Task Job" window beside the sheet, made when first needed.
    MultiTaskWindow& MultiTask();

    // Starts this window's job as an unsaved copy of another's, one change
    // made: its details name the change, so that closing asks before the
    // what-if is lost.
    void StartWhatIf(const lifting::JobDetails& of, const lifting::Job& job, const QString& change);
    // Starts this window's job as an unsaved one, calculated, with these
    // details.
    void StartUnsaved(const lifting::JobDetails& details, const lifting::Job& job);

    // What the actions do.
    void EditDetails();
    void NewJob();
    // Asks over unsaved changes, then for the file to open.
    void OpenJob();
    // Asks over unsaved changes, then opens the job file at path. False when
    // the user cancelled or the file could not be read (which they are told).
    bool OpenPath(const QString& path);
    // False when the user cancelled or the save failed (which they are told).
    bool Save();
    bool SaveAs();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct State {
        lifting::Job job;
        bool calculated = false;
        lifting::JobDetails details;
        bool operator==(const State&) const = default;
    };
    State Now() const;
    // Adds the action to the window, for its shortcut, and returns it.
    QAction* AddAction(const QString& text, const QKeySequence& shortcut,
                       const std::function<void(JobWindow&)>& run);
    // Names the file open in the window title, or none.
    void SetPath(const QString& path);
    // Whether the job has a file or details, so that closing the window asks
    // before unsaved changes are lost; a bare sheet ends at once.
    bool Kept() const;
    // Marks the title while the job is modified.
    void ShowModified();
    bool Load(const QString& path);
    bool WriteTo(const QString& path);
    // Save, Discard or Cancel: true when the user may go on.
    bool MayDiscard(const QString& question);
    // Asks over the job, once it has a file or details, and over the
    // multi-task job beside it: true when the window may close.
    bool MayClose();
    // EXIT: ends the program, asking first over this sheet's job and the
    // program's.
    void EndProgram();
    // The file the user chose in a file dialog, or empty.
    QString AskPath(bool save);
    // Tells the user which entries of the file were left unmade, or else
    // which cells the job shows now other than the file kept.
    void TellOpened(const lifting::JobFile& file, const std::vector<lifting::RefusedEntry>& refused,
                    const std::vector<lifting::Cell>& differing);
    void Warn(const QString& message);

    std::unique_ptr<Form1> form_;
    std::unique_ptr<QMenu> menu_;
    QString designedTitle_;
    QString path_;
    QString folder_; // where the file dialogs open with no file open
    lifting::JobDetails details_;
    State saved_;
    bool openedOtherwise_ = false;
    bool closeAsked_ = false; // EXIT asked already; the close that follows does not ask again
    std::unique_ptr<MultiTaskWindow> multiTask_;
};

} // namespace app
