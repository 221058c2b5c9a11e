#pragma once

#include "lifting/multitask_file.h"

#include <QMainWindow>
#include <QString>

#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QTableWidget;
class QTableWidgetItem;
class QTimer;
class QUndoStack;

namespace app {

class JobWindow;

// The "Multi-Task Job" window: a job of several tasks, each a row of entries
// typed as on the sheet, with every value the composite lifting index is
// worked out from and the index itself, kept up to date as the user types.
// It exchanges single tasks with the worksheet of the job window.
class MultiTaskWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit MultiTaskWindow(JobWindow& sheet);
    ~MultiTaskWindow() override;

    const lifting::MultiTaskFile& file() const { return file_; }
    const QString& path() const { return path_; }
    QTableWidget& table() { return *table_; }
    QUndoStack& undoStack() { return *undo_; }

    // The table's columns: the task as entered, then its values.
    enum Column {
        Name,
        Coupling,
        FirstEntry,
        FirstValue = FirstEntry + 9,
        Problem = FirstValue + 10
    };

    void NewJob();
    void OpenJob();
    // Asks over unsaved changes, then opens the multi-task file at path.
    bool OpenPath(const QString& path);
    bool Save();
    bool SaveAs();
    void EditDetails();
    void AddTask();
    void DuplicateTask();
    void RemoveTask();
    void MoveTask(int by);
    void AddSheetAsTask();
    void ShowTaskInSheet();
    // Opens the selected task as a new, unsaved job with its Redesign window.
    void RedesignTask();
    void ExportPdf();
    void Print();
    // Save, Discard or Cancel over unsaved changes, before doing ("closing
    // the window"): true when the caller may go on.
    bool MayDiscard(const QString& doing);
    // MayDiscard before the window goes: Discard takes the job back to as it
    // was last opened, saved or started, so that it shows again without the
    // changes the user gave up.
    bool MayClose(const QString& doing);

    // Replaces the job with job, as one step of the undo stack.
    void Change(const lifting::MultiTaskJob& job, const QString& what, int mergeKey = -1);
    // Shows the job as it stands, its values worked out anew.
    void Apply(const lifting::MultiTaskJob& job);

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Fill();
    void FillRanking();
    void CellEdited(QTableWidgetItem* item);
    // Opens the multi-task file at path, asking nothing.
    bool Load(const QString& path);
    // Makes file the job, as opened or saved, with nothing to undo.
    void Take(const lifting::MultiTaskFile& file);
    void SetPath(const QString& path);
    bool WriteTo(const QString& path);
    QString AskPath(bool save);
    // Ctrl+Tab and Ctrl+Shift+Tab move the focus out of the table, whose Tab
    // goes from cell to cell: true when the event was one of them.
    bool LeaveTable(QEvent* event);
    // Escape in an editor: the cell as it was when the editor opened, its
    // keystrokes (applied as typed) undone.
    void RevertEditSession();
    // Asks before the entries, kept as typed, are read in the other units.
    bool MaySwitchUnits(lifting::Units to);
    void Warn(const QString& message);
    int CurrentTask() const;
    void SelectTask(int task);

    JobWindow& sheet_;
    lifting::MultiTaskFile file_;
    lifting::MultiTaskFile saved_; // as last opened, saved or started; the
                                   // job's own edits are on the undo stack
    QString path_;
    QString folder_;
    QTableWidget* table_;
    QComboBox* units_;
    QComboBox* duration_;
    QLabel* details_;
    QLabel* cli_;
    QLabel* note_;
    QTableWidget* ranking_; // what to change first, largest contribution first
    QTimer* rankingDue_;    // fills the ranking once typing pauses
    QUndoStack* undo_;
    bool filling_ = false;
    std::vector<QAction*> taskActions_; // unavailable while the job has no task
    int editSession_ = 0;               // counts the editors opened, so that one editor's
                                        // keystrokes undo as one step
    friend class EntryDelegate;
};

} // namespace app
