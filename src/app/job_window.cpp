#include "app/job_window.h"

#include "app/cell_words.h"
#include "app/compare_report.h"
#include "app/details_dialog.h"
#include "app/job_file_dialogs.h"
#include "app/multitask_window.h"
#include "app/redesign_window.h"
#include "app/report_output.h"
#include "widgets/display_cell.h"
#include "worksheet/form1.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>

#include <utility>

namespace app {
namespace {

QString ShownText(const QString& text) {
    return text.isEmpty() ? QStringLiteral("blank") : text;
}

// The one local file of a drag, or nothing.
QString DroppedPath(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1 ||
        !data->urls().front().isLocalFile())
        return {};
    return data->urls().front().toLocalFile();
}

// A file name from the job's title, without the characters file systems
// refuse.
QString SuggestedName(const QString& title) {
    static const QRegularExpression refused(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]"));
    QString name = QString(title).replace(refused, QStringLiteral("-")).trimmed();
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
        name = QStringLiteral("job");
    return name + QLatin1Char('.') + QLatin1String(kJobFileSuffix);
}

bool IsMultiTask(const QString& path) {
    return lifting::KindOfJobFileAt(path) == lifting::JobFileKind::MultiTask;
}

} // namespace

JobWindow::JobWindow()
    : form_(std::make_unique<Form1>()), menu_(std::make_unique<QMenu>()),
      designedTitle_(form_->windowTitle()), folder_(QDir::currentPath()), details_(NewDetails()),
      saved_(Now()) {
    menu_->addAction(AddAction(QStringLiteral("Job &Details..."),
                               QKeySequence(QStringLiteral("Ctrl+D")), &JobWindow::EditDetails));
    menu_->addSeparator();
    menu_->addAction(AddAction(QStringLiteral("&New Job"), QKeySequence(QStringLiteral("Ctrl+N")),
                               &JobWindow::NewJob));
    menu_->addAction(AddAction(QStringLiteral("&Open..."), QKeySequence(QStringLiteral("Ctrl+O")),
                               &JobWindow::OpenJob));
    menu_->addAction(AddAction(QStringLiteral("&Save"), QKeySequence(QStringLiteral("Ctrl+S")),
                               &JobWindow::Save));
    menu_->addAction(AddAction(QStringLiteral("Save &As..."),
                               QKeySequence(QStringLiteral("Ctrl+Shift+S")), &JobWindow::SaveAs));
    menu_->addSeparator();
    menu_->addAction(AddAction(QStringLiteral("&Export PDF..."),
                               QKeySequence(QStringLiteral("Ctrl+E")),
                               [](JobWindow& w) { ExportPdf(w.form_.get(), w.Report()); }));
    menu_->addAction(AddAction(QStringLiteral("&Print..."), QKeySequence(QStringLiteral("Ctrl+P")),
                               [](JobWindow& w) { PrintReport(w.form_.get(), w.Report()); }));
    menu_->addSeparator();
    menu_->addAction(AddAction(QStringLiteral("&Multi-Task Job..."),
                               QKeySequence(QStringLiteral("Ctrl+M")),
                               [](JobWindow& w) { w.MultiTask().show(); }));
    menu_->addAction(AddAction(QStringLiteral("&Redesign..."),
                               QKeySequence(QStringLiteral("Ctrl+R")), ShowRedesign));
    menu_->addAction(
        AddAction(QStringLiteral("Compare &With..."), QKeySequence(), [](JobWindow& w) {
            CompareWith(w.form_.get(), {w.Current(), w.path_});
        }));
    SetPath({});
    // EXIT ends the whole program, whichever sheet it is pressed on (a copy
    // for a redesign too), so it asks over the program's jobs, not only this
    // window's.
    auto* exit = form_->findChild<QPushButton*>(QStringLiteral("Command2"));
    disconnect(exit, &QPushButton::clicked, form_.get(), nullptr);
    connect(exit, &QPushButton::clicked, this, &JobWindow::EndProgram);
    form_->setAcceptDrops(true);
    form_->installEventFilter(this);
    // Whatever a click changes, the title's mark follows: each of these runs
    // after the sheet's own handler of the same signal, connected before.
    auto show = [this] { ShowModified(); };
    for (auto* cell : form_->findChildren<widgets::DisplayCell*>())
        connect(cell, &widgets::DisplayCell::textChanged, this, show);
    for (auto* option : form_->findChildren<QRadioButton*>())
        connect(option, &QRadioButton::toggled, this, show);
    for (auto* button : form_->findChildren<QPushButton*>())
        connect(button, &QPushButton::clicked, this, show);
}

JobWindow::~JobWindow() = default;

MultiTaskWindow& JobWindow::MultiTask() {
    if (!multiTask_)
        multiTask_ = std::make_unique<MultiTaskWindow>(*this);
    return *multiTask_;
}

QAction* JobWindow::AddAction(const QString& text, const QKeySequence& shortcut,
                              const std::function<void(JobWindow&)>& run) {
    auto* action = new QAction(text, this);
    action->setShortcut(shortcut);
    // Anywhere in the window, whichever control has the focus.
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [this, run] { run(*this); });
    form_->addAction(action);
    return action;
}

JobWindow::State JobWindow::Now() const {
    return {form_->EnteredJob(), form_->IsCalculated(), details_};
}

lifting::JobFile JobWindow::Current() const {
    return {details_, form_->EnteredJob(), form_->IsCalculated(),
            lifting::KeepAll(form_->ShownCells())};
}

ReportInput JobWindow::Report() const {
    return {Current(), path_};
}

bool JobWindow::IsModified() const {
    return openedOtherwise_ || Now() != saved_;
}

bool JobWindow::Kept() const {
    // With no file, saved_ holds the details the job started with.
    return !path_.isEmpty() || details_ != saved_.details;
}

void JobWindow::ShowModified() {
    form_->setWindowModified(IsModified());
}

void JobWindow::SetPath(const QString& path) {
    path_ = path;
    // Qt shows "[*]" as "*" while the window is modified, and else nothing.
    form_->setWindowTitle(
        (path.isEmpty() ? designedTitle_
                        : designedTitle_ + QStringLiteral(" - ") + QFileInfo(path).fileName()) +
        QStringLiteral("[*]"));
}

void JobWindow::StartWhatIf(const lifting::JobDetails& of, const lifting::Job& job,
                            const QString& change) {
    lifting::JobDetails details = of;
    const QString whatIf = QStringLiteral("what-if: ") + change;
    details.title = of.title.isEmpty() ? whatIf : of.title + QStringLiteral(" (") + whatIf + ')';
    StartUnsaved(details, job);
}

void JobWindow::StartUnsaved(const lifting::JobDetails& details, const lifting::Job& job) {
    form_->EnterJob(job, true);
    details_ = details;
    ShowModified();
}

void JobWindow::EditDetails() {
    if (const auto edited = app::EditDetails(form_.get(), details_))
        details_ = *edited;
    ShowModified();
}

void JobWindow::NewJob() {
    if (!MayDiscard(QStringLiteral("starting a new job")))
        return;
    form_->ResetToStartUp();
    details_ = NewDetails();
    SetPath({});
    saved_ = Now();
    openedOtherwise_ = false;
    ShowModified();
}

void JobWindow::OpenJob() {
    if (!MayDiscard(QStringLiteral("opening another job")))
        return;
    if (const QString path = AskPath(false); !path.isEmpty())
        Load(path);
}

bool JobWindow::OpenPath(const QString& path) {
    // A multi-task job leaves the sheet as it is.
    return (IsMultiTask(path) || MayDiscard(QStringLiteral("opening another job"))) && Load(path);
}

bool JobWindow::Save() {
    return path_.isEmpty() ? SaveAs() : WriteTo(path_);
}

bool JobWindow::SaveAs() {
    const QString path = AskPath(true);
    return !path.isEmpty() && WriteTo(path);
}

bool JobWindow::Load(const QString& path) {
    if (IsMultiTask(path))
        return MultiTask().OpenPath(path);
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QString error;
    const std::optional<lifting::JobFile> file = lifting::LoadJobFile(absolute, &error);
    if (!file) {
        // A sheet as it started holds nothing to keep, and at start-up the
        // user has seen none.
        const bool holdsJob = !path_.isEmpty() || IsModified();
        Warn(QStringLiteral("%1 cannot be opened: %2.%3")
                 .arg(Quoted(absolute), error,
                      holdsJob ? QStringLiteral("\n\nThe sheet is unchanged.") : QString()));
        return false;
    }
    std::vector<lifting::RefusedEntry> refused;
    form_->EnterJob(lifting::EnterableJob(file->job, &refused), file->calculated);
    details_ = file->details;
    SetPath(absolute);
    // A refused entry, left unmade, makes the job differ from the file's.
    saved_ = {file->job, file->calculated, file->details};
    const std::vector<lifting::Cell> differing =
        lifting::DifferingCells(file->shown, form_->ShownCells());
    openedOtherwise_ = !differing.empty();
    ShowModified();
    TellOpened(*file, refused, differing);
    return true;
}

bool JobWindow::WriteTo(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const lifting::JobFile job = Current();
    QString error;
    if (!lifting::SaveJobFile(absolute, job, &error)) {
        Warn(QStringLiteral("The job cannot be saved to %1: %2.\n\nThe file there, if any, is "
                            "unchanged.")
                 .arg(Quoted(absolute), error));
        return false;
    }
    SetPath(absolute);
    saved_ = {job.job, job.calculated, job.details};
    openedOtherwise_ = false;
    ShowModified();
    return true;
}

bool JobWindow::MayDiscard(const QString& doing) {
    return !IsModified() || AskToSave(form_.get(), designedTitle_, QStringLiteral("The job"), path_,
                                      doing, [this] { return Save(); });
}

bool JobWindow::MayClose() {
    const QString closing = QStringLiteral("closing the worksheet");
    const bool beside = multiTask_ && multiTask_->isVisible();
    return (!Kept() || MayDiscard(closing)) && (!beside || multiTask_->MayClose(closing));
}

void JobWindow::EndProgram() {
    JobWindow* program = this;
    while (auto* up = qobject_cast<JobWindow*>(program->parent()))
        program = up;
    // A copy asks over its own job, then over the program's unless its
    // window was closed (and asked) already, before any window closes:
    // Cancel at either keeps every window as it was.
    if (program != this) {
        if (!MayClose() || (program->form_->isVisible() && !program->MayClose()))
            return;
        closeAsked_ = program->closeAsked_ = true;
        form_->close();
    }
    program->form_->EndProgram();
}

QString JobWindow::AskPath(bool save) {
    return AskJobPath(form_.get(),
                      save ? QStringLiteral("Save Job As") : QStringLiteral("Open Job"), save,
                      path_, SuggestedName(details_.title), &folder_);
}

void JobWindow::TellOpened(const lifting::JobFile& file,
                           const std::vector<lifting::RefusedEntry>& refused,
                           const std::vector<lifting::Cell>& differing) {
    if (!refused.empty()) {
        QStringList lines;
        for (const lifting::RefusedEntry& r : refused)
            lines << QStringLiteral("%1 \u201c%2\u201d: %3.")
                         .arg(EntryWords(r.entry), r.text, r.problem);
        // What follows from them differs too; the entries say why.
        Warn(QStringLiteral("%1 has entries that are not numbers of 0 or more. The sheet leaves "
                            "them unmade:\n\n%2\n\nEnter them again; Save then keeps the "
                            "job as the sheet shows it.")
                 .arg(Quoted(path_), lines.join(QLatin1Char('\n'))));
        return;
    }
    if (differing.empty())
        return;
    const lifting::Shown now = form_->ShownCells();
    QStringList lines;
    for (const lifting::Cell cell : differing)
        lines << QStringLiteral("%1: saved %2, now %3")
                     .arg(CellWords(cell), ShownText(*file.shown[cell]), ShownText(now[cell]));
    Warn(QStringLiteral(
             "The sheet shows other values than %1 saved:\n\n%2\n\nThe file may have been "
             "edited, saved with an entry changed after the last CALCULATE, or its sheet had "
             "been entered in another order. Opening a job enters it "
             "in the worksheet's own order: the options, H, V and A, the weights, then the "
             "frequency. FM is read from the V values present when the frequency is entered, so "
             "the frequency before V, or a unit switch after the entries, gives other values. "
             "The sheet now shows the job entered in the worksheet's order; Save keeps these "
             "values.")
             .arg(Quoted(path_), lines.join(QLatin1Char('\n'))));
}

void JobWindow::Warn(const QString& message) {
    app::Warn(form_.get(), designedTitle_, message);
}

bool JobWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != form_.get())
        return false;
    switch (event->type()) {
    case QEvent::Close: {
        // The title bar's close, Alt+F4 and EXIT all close the window, and
        // the multi-task job's open beside it, whose changes are asked for
        // too.
        if (!std::exchange(closeAsked_, false) && !MayClose()) {
            event->ignore();
            return true;
        }
        if (multiTask_)
            multiTask_->hide();
        return false;
    }
    case QEvent::ContextMenu: {
        // The sheet's menu belongs to the sheet itself: a click on a control
        // (which passes the event on to the window) opens none.
        auto* menuEvent = static_cast<QContextMenuEvent*>(event);
        if (menuEvent->reason() == QContextMenuEvent::Mouse &&
            form_->childAt(menuEvent->pos()) != nullptr)
            return false;
        menu_->exec(menuEvent->globalPos());
        return true;
    }
    case QEvent::DragEnter: {
        auto* drag = static_cast<QDragEnterEvent*>(event);
        if (DroppedPath(drag->mimeData()).isEmpty())
            return false;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = DroppedPath(drop->mimeData());
        if (path.isEmpty())
            return false;
        drop->acceptProposedAction();
        // Once the drag has ended: the questions and messages of opening are
        // modal.
        QTimer::singleShot(0, this, [this, path] { OpenPath(path); });
        return true;
    }
    default:
        return false;
    }
}

} // namespace app
