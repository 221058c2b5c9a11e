#include "app/multitask_window.h"

#include "app/details_dialog.h"
#include "app/job_file_dialogs.h"
#include "app/job_window.h"
#include "app/multitask_report.h"
#include "app/redesign_window.h"
#include "app/task_ranking.h"
#include "lifting/bands.h"
#include "lifting/multitask_redesign.h"
#include "lifting/reading.h"
#include "worksheet/form1.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>
#include <QUndoStack>
#include <QVBoxLayout>

namespace app {
namespace {

constexpr auto kTitle = "Multi-Task Job";
const QColor kRefused(255, 215, 215);

// By lifting::Coupling, lifting::Units and lifting::Duration.
constexpr std::array kCouplings{"Good", "Fair", "Poor"};
constexpr std::array kUnits{"U.S. customary (in, lb)", "Metric (cm, kg)"};
constexpr std::array kDurations{"Up to 1 hour", "Over 1, up to 2 hours", "Over 2, up to 8 hours"};

template <std::size_t N> QComboBox* Choices(const std::array<const char*, N>& names) {
    auto* box = new QComboBox;
    for (const char* name : names)
        box->addItem(QString::fromUtf8(name));
    return box;
}

// One step of the undo stack: the job before and after it. The keystrokes of
// one editor merge into one step.
class ChangeJob : public QUndoCommand {
  public:
    ChangeJob(MultiTaskWindow& window, lifting::MultiTaskJob before, lifting::MultiTaskJob after,
              const QString& what, int mergeKey)
        : QUndoCommand(what), window_(window), before_(std::move(before)), after_(std::move(after)),
          mergeKey_(mergeKey) {}

    int mergeKey() const { return mergeKey_; }
    void undo() override { window_.Apply(before_); }
    void redo() override { window_.Apply(after_); }
    int id() const override { return mergeKey_ < 0 ? -1 : 1; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const ChangeJob*>(other);
        if (next->mergeKey_ != mergeKey_)
            return false;
        after_ = next->after_;
        return true;
    }

  private:
    MultiTaskWindow& window_;
    lifting::MultiTaskJob before_;
    lifting::MultiTaskJob after_;
    int mergeKey_;
};

} // namespace

// Commits each keystroke, so that the values follow the typing; the coupling
// is chosen from its three names.
class EntryDelegate : public QStyledItemDelegate {
  public:
    explicit EntryDelegate(MultiTaskWindow& window)
        : QStyledItemDelegate(&window), window_(window) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        ++window_.editSession_;
        if (index.column() == MultiTaskWindow::Coupling) {
            auto* box = Choices(kCouplings);
            box->setParent(parent);
            connect(box, &QComboBox::currentIndexChanged, this,
                    [this, box] { emit const_cast<EntryDelegate*>(this)->commitData(box); });
            return box;
        }
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            connect(line, &QLineEdit::textEdited, this,
                    [this, line] { emit const_cast<EntryDelegate*>(this)->commitData(line); });
        }
        return editor;
    }

    // The editor keeps its text and cursor while the table repaints around it.
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        const QString text = index.data(Qt::EditRole).toString();
        if (auto* line = qobject_cast<QLineEdit*>(editor); line && line->text() == text)
            return;
        if (auto* box = qobject_cast<QComboBox*>(editor)) {
            const QSignalBlocker quiet(box);
            box->setCurrentText(text);
            return;
        }
        QStyledItemDelegate::setEditorData(editor, index);
    }

    // Escape takes the editor's keystrokes back; Ctrl+Tab leaves the table
    // from an open editor too, before the delegate takes it to the next cell.
    bool eventFilter(QObject* editor, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
            window_.RevertEditSession();
        return window_.LeaveTable(event) || QStyledItemDelegate::eventFilter(editor, event);
    }

  private:
    MultiTaskWindow& window_;
};

MultiTaskWindow::MultiTaskWindow(JobWindow& sheet)
    : sheet_(sheet), folder_(QDir::currentPath()), table_(new QTableWidget(this)),
      units_(Choices(kUnits)), duration_(Choices(kDurations)), details_(new QLabel),
      cli_(new QLabel), note_(new QLabel), ranking_(new QTableWidget(this)),
      rankingDue_(new QTimer(this)), undo_(new QUndoStack(this)) {
    file_.details = NewDetails();
    saved_ = file_;
    setAccessibleName(QString::fromLatin1(kTitle));

    auto* detailsButton = new QPushButton(QStringLiteral("&Details..."));
    connect(detailsButton, &QPushButton::clicked, this, &MultiTaskWindow::EditDetails);
    details_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    units_->setAccessibleName(QStringLiteral("Units"));
    duration_->setAccessibleName(QStringLiteral("Work duration"));
    auto* top = new QHBoxLayout;
    top->addWidget(details_, 1);
    top->addWidget(detailsButton);
    auto* options = new QFormLayout;
    options->addRow(QStringLiteral("&Units:"), units_);
    options->addRow(QStringLiteral("Work du&ration:"), duration_);
    top->addLayout(options);
    connect(units_, &QComboBox::currentIndexChanged, this, [this](int index) {
        lifting::MultiTaskJob job = file_.job;
        job.units = static_cast<lifting::Units>(index);
        if (!job.tasks.empty()) {
            // The box shows the job's units while it asks; a switch shows the
            // new ones as the job is filled in again.
            {
                const QSignalBlocker quiet(units_);
                units_->setCurrentIndex(static_cast<int>(file_.job.units));
            }
            if (!MaySwitchUnits(job.units))
                return;
        }
        Change(job, QStringLiteral("Change Units"));
    });
    connect(duration_, &QComboBox::currentIndexChanged, this, [this](int index) {
        lifting::MultiTaskJob job = file_.job;
        job.duration = static_cast<lifting::Duration>(index);
        Change(job, QStringLiteral("Change Work Duration"));
    });

    QStringList headers{QStringLiteral("Task"), QStringLiteral("Coupling")};
    for (const TaskEntryColumn& column : kTaskEntryColumns)
        headers << QString::fromUtf8(column.header);
    for (const TaskValueColumn& column : kTaskValueColumns)
        headers << QString::fromUtf8(column.header);
    headers << QStringLiteral("Why no index");
    table_->setColumnCount(static_cast<int>(headers.size()));
    table_->setHorizontalHeaderLabels(headers);
    for (std::size_t i = 0; i < kTaskEntryColumns.size(); ++i)
        table_->horizontalHeaderItem(FirstEntry + static_cast<int>(i))
            ->setToolTip(QString::fromUtf8(kTaskEntryColumns[i].name));
    for (std::size_t i = 0; i < kTaskValueColumns.size(); ++i)
        table_->horizontalHeaderItem(FirstValue + static_cast<int>(i))
            ->setToolTip(QString::fromUtf8(kTaskValueColumns[i].name));
    table_->setAccessibleName(QStringLiteral("Tasks"));
    table_->setItemDelegate(new EntryDelegate(*this));
    table_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectItems);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->horizontalHeader()->setStretchLastSection(true);
    // Room for a figure in each column, and for a name in the first.
    table_->horizontalHeader()->setDefaultSectionSize(58);
    table_->setColumnWidth(Name, 130);
    table_->setColumnWidth(Coupling, 70);
    // Room for its header and most reasons, however narrow the window.
    table_->setColumnWidth(Problem, 280);
    table_->setTabKeyNavigation(true);
    table_->installEventFilter(this);
    connect(table_, &QTableWidget::itemChanged, this, &MultiTaskWindow::CellEdited);

    cli_->setAccessibleName(QStringLiteral("Composite lifting index"));
    cli_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    note_->setWordWrap(true);
    note_->setAccessibleName(QStringLiteral("Note"));

    ranking_->setColumnCount(static_cast<int>(kRankingHeaders.size()));
    for (std::size_t c = 0; c < kRankingHeaders.size(); ++c)
        ranking_->setHorizontalHeaderItem(
            static_cast<int>(c), new QTableWidgetItem(QString::fromUtf8(kRankingHeaders[c])));
    ranking_->setAccessibleName(QStringLiteral("What to change first"));
    ranking_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ranking_->setSelectionBehavior(QAbstractItemView::SelectRows);
    ranking_->horizontalHeader()->setStretchLastSection(true);
    ranking_->setColumnWidth(0, 130);
    ranking_->setColumnWidth(3, 150);
    ranking_->setColumnWidth(4, 240);
    ranking_->verticalHeader()->setDefaultSectionSize(ranking_->fontMetrics().height() + 6);
    ranking_->setMaximumHeight(140);
    // A task of the ranking opens for redesign; not while the ranking is
    // behind an edit, whose rows may name other tasks.
    connect(ranking_, &QTableWidget::cellActivated, this, [this](int row) {
        if (rankingDue_->isActive())
            return;
        SelectTask(ranking_->item(row, 0)->data(Qt::UserRole).toInt());
        RedesignTask();
    });
    // Each task's guidance and the job again for each change cost more than
    // a keystroke may; the ranking follows when the typing pauses.
    rankingDue_->setSingleShot(true);
    rankingDue_->setInterval(250);
    connect(rankingDue_, &QTimer::timeout, this, &MultiTaskWindow::FillRanking);
    auto* rankingLabel = new QLabel(QStringLiteral("&What to change first (by what each task adds "
                                                   "to the CLI; Ctrl+R redesigns a task):"));
    rankingLabel->setBuddy(ranking_);

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addLayout(top);
    layout->addWidget(table_, 1);
    layout->addWidget(cli_);
    layout->addWidget(note_);
    layout->addWidget(rankingLabel);
    layout->addWidget(ranking_);
    setCentralWidget(central);

    struct Item {
        const char* menu;
        const char* text;
        QKeySequence keys;
        std::function<void()> run;
        bool onATask = false; // acts on the current task
    };
    const std::array items{
        Item{"&File", "&New Multi-Task Job", QKeySequence::New, [this] { NewJob(); }},
        Item{"&File", "&Open...", QKeySequence::Open, [this] { OpenJob(); }},
        Item{"&File", "&Save", QKeySequence::Save, [this] { Save(); }},
        Item{"&File", "Save &As...", QKeySequence(QStringLiteral("Ctrl+Shift+S")),
             [this] { SaveAs(); }},
        Item{"&File", "&Export PDF...", QKeySequence(QStringLiteral("Ctrl+E")),
             [this] { ExportPdf(); }},
        Item{"&File", "&Print...", QKeySequence(QStringLiteral("Ctrl+P")), [this] { Print(); }},
        Item{"&File", "&Close", QKeySequence(QStringLiteral("Ctrl+W")), [this] { close(); }},
        Item{"&Edit", "Job &Details...", QKeySequence(QStringLiteral("Ctrl+D")),
             [this] { EditDetails(); }},
        Item{"&Tasks", "&Add Task", QKeySequence(QStringLiteral("Ctrl+T")), [this] { AddTask(); }},
        Item{"&Tasks", "&Duplicate Task", QKeySequence(QStringLiteral("Ctrl+Shift+D")),
             [this] { DuplicateTask(); }, true},
        Item{"&Tasks", "&Remove Task", QKeySequence(QStringLiteral("Ctrl+Delete")),
             [this] { RemoveTask(); }, true},
        Item{"&Tasks", "Move &Up", QKeySequence(QStringLiteral("Alt+Up")), [this] { MoveTask(-1); },
             true},
        Item{"&Tasks", "Move Do&wn", QKeySequence(QStringLiteral("Alt+Down")),
             [this] { MoveTask(1); }, true},
        Item{"&Tasks", "Add the &Sheet as a Task", QKeySequence(QStringLiteral("Ctrl+Shift+A")),
             [this] { AddSheetAsTask(); }},
        Item{"&Tasks", "Show Task in the S&heet", QKeySequence(QStringLiteral("Ctrl+Shift+T")),
             [this] { ShowTaskInSheet(); }, true},
        Item{"&Tasks", "R&edesign Task...", QKeySequence(QStringLiteral("Ctrl+R")),
             [this] { RedesignTask(); }, true},
    };
    QMap<QString, QMenu*> menus;
    for (const char* name : {"&File", "&Edit", "&Tasks"})
        menus[QString::fromUtf8(name)] = menuBar()->addMenu(QString::fromUtf8(name));
    for (const Item& item : items) {
        QAction* action = menus[QString::fromUtf8(item.menu)]->addAction(
            QString::fromUtf8(item.text), this, item.run);
        action->setShortcut(item.keys);
        if (item.onATask)
            taskActions_.push_back(action);
    }
    QMenu* edit = menus[QStringLiteral("&Edit")];
    QAction* undo = undo_->createUndoAction(this, QStringLiteral("&Undo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = undo_->createRedoAction(this, QStringLiteral("&Redo"));
    redo->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+Z")));
    edit->insertActions(edit->actions().value(0), {undo, redo});
    edit->insertSeparator(edit->actions().value(2));
    connect(undo_, &QUndoStack::cleanChanged, this, [this] { Fill(); });

    SetPath({});
    Apply(file_.job);
    // Wide enough for every column, but within the screen it opens on: the
    // table scrolls where the screen is narrower.
    const QSize room = screen()->availableGeometry().size();
    resize(std::min(1180, room.width()), std::min(600, room.height()));
}

MultiTaskWindow::~MultiTaskWindow() {
    // The stack, deleted with the window's children, says it is clean as it
    // goes; the table is gone by then.
    disconnect(undo_, nullptr, this, nullptr);
}

void MultiTaskWindow::Change(const lifting::MultiTaskJob& job, const QString& what, int mergeKey) {
    if (job == file_.job)
        return;
    undo_->push(new ChangeJob(*this, file_.job, job, what, mergeKey));
}

void MultiTaskWindow::Apply(const lifting::MultiTaskJob& job) {
    file_.job = job;
    Fill();
}

void MultiTaskWindow::Fill() {
    filling_ = true;
    const lifting::MultiTaskJob& job = file_.job;
    const lifting::MultiTaskResult result = lifting::Compute(job);
    {
        const QSignalBlocker quietUnits(units_);
        const QSignalBlocker quietDuration(duration_);
        units_->setCurrentIndex(static_cast<int>(job.units));
        duration_->setCurrentIndex(static_cast<int>(job.duration));
    }
    const lifting::JobDetails& d = file_.details;
    QStringList known;
    for (const QString& detail : {d.task, d.analyst, d.date}) {
        if (!detail.isEmpty())
            known << detail.toHtmlEscaped();
    }
    details_->setText(
        QStringLiteral("<b>%1</b><br>%2")
            .arg((d.title.isEmpty() ? QStringLiteral("Untitled job") : d.title).toHtmlEscaped(),
                 known.join(QStringLiteral(" · "))));

    table_->setRowCount(static_cast<int>(job.tasks.size()));
    auto itemAt = [this](int row, int column, bool editable) {
        QTableWidgetItem* item = table_->item(row, column);
        if (item == nullptr) {
            item = new QTableWidgetItem;
            if (!editable)
                item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            else if (column >= FirstEntry)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(row, column, item);
        }
        return item;
    };
    for (int row = 0; row < table_->rowCount(); ++row) {
        const lifting::Task& task = job.tasks[static_cast<std::size_t>(row)];
        const lifting::TaskResult& taskResult = result.tasks[static_cast<std::size_t>(row)];
        itemAt(row, Name, true)->setText(task.name);
        itemAt(row, Coupling, true)
            ->setText(QLatin1String(kCouplings.at(static_cast<std::size_t>(task.coupling))));
        for (std::size_t i = 0; i < kTaskEntryColumns.size(); ++i) {
            QTableWidgetItem* item = itemAt(row, FirstEntry + static_cast<int>(i), true);
            const std::optional<QString>& text = task[kTaskEntryColumns[i].entry];
            item->setText(text.value_or(QString()));
            const QString refused =
                text ? lifting::ReadEntry(*text, kTaskEntryColumns[i].entry, job.units).problem
                     : QString();
            // A refused text is marked and says why, as the sheet's prompt would.
            item->setBackground(refused.isEmpty() ? QBrush() : QBrush(kRefused));
            item->setToolTip(refused.isEmpty() ? QString::fromUtf8(kTaskEntryColumns[i].name)
                                               : QStringLiteral("Refused: ") + refused);
            item->setData(Qt::AccessibleDescriptionRole,
                          refused.isEmpty() ? QString() : QStringLiteral("refused: ") + refused);
        }
        for (std::size_t i = 0; i < kTaskValueColumns.size(); ++i) {
            QTableWidgetItem* item = itemAt(row, FirstValue + static_cast<int>(i), false);
            item->setText(
                TaskValueText(result, static_cast<std::size_t>(row), kTaskValueColumns[i].value));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            item->setToolTip(QString::fromUtf8(kTaskValueColumns[i].name) +
                             (item->text().startsWith(u'~')
                                  ? QStringLiteral(", interpolated between two rows")
                                  : QString()));
        }
        QTableWidgetItem* problem = itemAt(row, Problem, false);
        const QString why = taskResult.Problem();
        problem->setText(why);
        problem->setToolTip(why);
    }

    const lifting::Band& band = lifting::BandOf(result.cli);
    cli_->setText(QStringLiteral("Composite lifting index (CLI): ") + CompositeSummary(result));
    cli_->setStyleSheet(QStringLiteral("QLabel { font-weight: bold; padding: 6px; border: none; "
                                       "border-left: 10px solid rgb(%1, %2, %3); }")
                            .arg(band.color.red)
                            .arg(band.color.green)
                            .arg(band.color.blue));
    cli_->setAccessibleDescription(QString::fromLatin1(band.name));
    note_->setText(result.manyTasks ? QString::fromLatin1(lifting::kManyTasksNote) : QString());
    note_->setVisible(result.manyTasks);
    rankingDue_->start();
    setWindowModified(!undo_->isClean() || file_.details != saved_.details);
    // A job with tasks always has one current, so that the Tasks menu and
    // its keys act on one from the moment a job is opened; without a task,
    // what acts on one is unavailable rather than silent.
    if (table_->currentRow() < 0 && table_->rowCount() > 0)
        table_->setCurrentCell(0, Name);
    for (QAction* action : taskActions_)
        action->setEnabled(!job.tasks.empty());
    filling_ = false;
}

void MultiTaskWindow::FillRanking() {
    const lifting::MultiTaskJob& job = file_.job;
    const lifting::MultiTaskResult result = lifting::Compute(job);
    const std::vector<lifting::TaskAdvice> ranking = lifting::RedesignTasks(job, result);
    ranking_->setRowCount(static_cast<int>(ranking.size()));
    for (int row = 0; row < ranking_->rowCount(); ++row) {
        const lifting::TaskAdvice& advice = ranking[static_cast<std::size_t>(row)];
        const auto texts = RankingTexts(job, advice);
        for (std::size_t c = 0; c < texts.size(); ++c) {
            auto* item = new QTableWidgetItem(texts[c]);
            item->setToolTip(texts[c]);
            if (c == 1 || c == 2)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            ranking_->setItem(row, static_cast<int>(c), item);
        }
        ranking_->item(row, 0)->setData(Qt::UserRole, static_cast<int>(advice.task));
        if (!advice.whyNoCliAfter.isEmpty())
            ranking_->item(row, static_cast<int>(texts.size()) - 1)
                ->setToolTip(advice.whyNoCliAfter);
    }
}

void MultiTaskWindow::CellEdited(QTableWidgetItem* item) {
    if (filling_)
        return;
    lifting::MultiTaskJob job = file_.job;
    lifting::Task& task = job.tasks.at(static_cast<std::size_t>(item->row()));
    const QString text = item->text();
    const int column = item->column();
    if (column == Name) {
        task.name = text;
    } else if (column == Coupling) {
        const auto at = std::find_if(kCouplings.begin(), kCouplings.end(),
                                     [&](const char* name) { return text == QLatin1String(name); });
        if (at != kCouplings.end())
            task.coupling = static_cast<lifting::Coupling>(at - kCouplings.begin());
    } else {
        task[kTaskEntryColumns.at(static_cast<std::size_t>(column - FirstEntry)).entry] =
            text.isEmpty() ? std::nullopt : std::optional<QString>(text);
    }
    Change(job, QStringLiteral("Edit %1").arg(table_->horizontalHeaderItem(column)->text()),
           editSession_);
}

int MultiTaskWindow::CurrentTask() const {
    const int row = table_->currentRow();
    return row >= 0 && row < static_cast<int>(file_.job.tasks.size()) ? row : -1;
}

void MultiTaskWindow::SelectTask(int task) {
    table_->setCurrentCell(task, std::max(table_->currentColumn(), 0));
    table_->setFocus();
}

void MultiTaskWindow::AddTask() {
    if (file_.job.tasks.size() >= lifting::kMaxTasks)
        return Warn(QStringLiteral("A job holds at most %1 tasks.").arg(lifting::kMaxTasks));
    lifting::MultiTaskJob job = file_.job;
    lifting::Task task;
    task.name = QStringLiteral("Task %1").arg(job.tasks.size() + 1);
    job.tasks.push_back(task);
    Change(job, QStringLiteral("Add Task"));
    table_->setCurrentCell(static_cast<int>(job.tasks.size()) - 1, FirstEntry);
    table_->setFocus();
}

void MultiTaskWindow::DuplicateTask() {
    const int row = CurrentTask();
    if (row < 0)
        return;
    if (file_.job.tasks.size() >= lifting::kMaxTasks)
        return Warn(QStringLiteral("A job holds at most %1 tasks.").arg(lifting::kMaxTasks));
    lifting::MultiTaskJob job = file_.job;
    job.tasks.insert(job.tasks.begin() + row + 1, job.tasks[static_cast<std::size_t>(row)]);
    Change(job, QStringLiteral("Duplicate Task"));
    SelectTask(row + 1);
}

void MultiTaskWindow::RemoveTask() {
    const int row = CurrentTask();
    if (row < 0)
        return;
    lifting::MultiTaskJob job = file_.job;
    job.tasks.erase(job.tasks.begin() + row);
    Change(job, QStringLiteral("Remove Task"));
    if (!job.tasks.empty())
        SelectTask(std::min(row, static_cast<int>(job.tasks.size()) - 1));
}

void MultiTaskWindow::MoveTask(int by) {
    const int row = CurrentTask();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= static_cast<int>(file_.job.tasks.size()))
        return;
    lifting::MultiTaskJob job = file_.job;
    std::swap(job.tasks[static_cast<std::size_t>(row)], job.tasks[static_cast<std::size_t>(to)]);
    Change(job, by < 0 ? QStringLiteral("Move Task Up") : QStringLiteral("Move Task Down"));
    SelectTask(to);
}

void MultiTaskWindow::AddSheetAsTask() {
    const lifting::Job entered = sheet_.form().EnteredJob();
    lifting::MultiTaskJob job = file_.job;
    if (job.tasks.empty()) {
        job.units = entered.units;
        job.duration = entered.duration;
    } else if (entered.units != job.units) {
        return Warn(QStringLiteral("The sheet is in other units than this job; its entries would "
                                   "read as other lengths and weights here. Switch the job's "
                                   "units, or the sheet's, first."));
    } else if (file_.job.tasks.size() >= lifting::kMaxTasks) {
        return Warn(QStringLiteral("A job holds at most %1 tasks.").arg(lifting::kMaxTasks));
    }
    lifting::Task task;
    task.name = sheet_.details().title.isEmpty() ? QStringLiteral("Task from the sheet")
                                                 : sheet_.details().title;
    task.coupling = entered.coupling;
    task.entries = entered.entries;
    job.tasks.push_back(task);
    Change(job, QStringLiteral("Add the Sheet as a Task"));
    SelectTask(static_cast<int>(job.tasks.size()) - 1);
}

void MultiTaskWindow::ShowTaskInSheet() {
    const int row = CurrentTask();
    if (row < 0)
        return;
    const lifting::Task& task = file_.job.tasks[static_cast<std::size_t>(row)];
    if (sheet_.IsModified() &&
        QMessageBox::question(this, QString::fromLatin1(kTitle),
                              QStringLiteral("The sheet has changes that are not saved. Replace "
                                             "them with the task \u201c%1\u201d?")
                                  .arg(task.name),
                              QMessageBox::Yes | QMessageBox::Cancel) != QMessageBox::Yes)
        return;
    sheet_.form().EnterJob(lifting::SheetJobOf(file_.job, static_cast<std::size_t>(row)), true);
    sheet_.form().raise();
    sheet_.form().activateWindow();
}

void MultiTaskWindow::RedesignTask() {
    const int row = CurrentTask();
    if (row < 0)
        return;
    const auto task = static_cast<std::size_t>(row);
    lifting::JobDetails details = file_.details;
    details.title =
        QStringLiteral("%1 (a task of %2)")
            .arg(file_.job.tasks[task].name, file_.details.title.isEmpty()
                                                 ? QStringLiteral("an untitled multi-task job")
                                                 : file_.details.title);
    // A job of its own, owned by the sheet's window, so that the multi-task
    // job and its file stay as they are.
    auto* copy = new JobWindow;
    copy->setParent(&sheet_);
    copy->StartUnsaved(details, lifting::SheetJobOf(file_.job, task));
    copy->form().show();
    ShowRedesign(*copy);
    // At the end that governs the task, as the ranking names it.
    const lifting::TaskResult result =
        lifting::ComputeTask(file_.job.tasks[task], file_.job.units, file_.job.duration);
    auto* guidance = copy->form().findChild<RedesignWindow*>();
    if (guidance != nullptr && result.HasIndices())
        guidance->SelectEnd(result.values->governing);
}

void MultiTaskWindow::EditDetails() {
    if (const auto edited = app::EditDetails(this, file_.details)) {
        file_.details = *edited;
        Fill();
    }
}

void MultiTaskWindow::NewJob() {
    if (!MayDiscard(QStringLiteral("starting a new job")))
        return;
    Take({NewDetails(), {}});
    SetPath({});
}

void MultiTaskWindow::Take(const lifting::MultiTaskFile& file) {
    file_ = file;
    saved_ = file_;
    undo_->clear();
    Apply(file_.job);
}

void MultiTaskWindow::OpenJob() {
    if (!MayDiscard(QStringLiteral("opening another job")))
        return;
    const QString path = AskPath(false);
    if (path.isEmpty())
        return;
    // A job of one task belongs to the sheet.
    if (lifting::KindOfJobFileAt(path) == lifting::JobFileKind::SingleTask) {
        sheet_.OpenPath(path);
        return;
    }
    Load(path);
}

bool MultiTaskWindow::OpenPath(const QString& path) {
    return MayDiscard(QStringLiteral("opening another job")) && Load(path);
}

bool MultiTaskWindow::Load(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QString error;
    const std::optional<lifting::MultiTaskFile> file = lifting::LoadMultiTaskFile(absolute, &error);
    if (!file) {
        Warn(QStringLiteral("%1 cannot be opened: %2.\n\nThe job is unchanged.")
                 .arg(Quoted(absolute), error));
        return false;
    }
    Take(*file);
    SetPath(absolute);
    show();
    raise();
    return true;
}

bool MultiTaskWindow::Save() {
    return path_.isEmpty() ? SaveAs() : WriteTo(path_);
}

bool MultiTaskWindow::SaveAs() {
    const QString path = AskPath(true);
    return !path.isEmpty() && WriteTo(path);
}

bool MultiTaskWindow::WriteTo(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QString error;
    if (!lifting::SaveMultiTaskFile(absolute, file_, &error)) {
        Warn(QStringLiteral("The job cannot be saved to %1: %2.\n\nThe file there, if any, is "
                            "unchanged.")
                 .arg(Quoted(absolute), error));
        return false;
    }
    SetPath(absolute);
    saved_ = file_;
    undo_->setClean();
    Fill();
    return true;
}

void MultiTaskWindow::ExportPdf() {
    app::ExportPdf(this, MultiTaskPages(file_, path_));
}

void MultiTaskWindow::Print() {
    PrintPages(this, MultiTaskPages(file_, path_));
}

void MultiTaskWindow::SetPath(const QString& path) {
    path_ = path;
    setWindowTitle(
        QString::fromLatin1(kTitle) + QStringLiteral("[*]") +
        (path.isEmpty() ? QString() : QStringLiteral(" - ") + QFileInfo(path).fileName()));
}

bool MultiTaskWindow::MayDiscard(const QString& doing) {
    return !isWindowModified() ||
           AskToSave(this, QString::fromLatin1(kTitle), QStringLiteral("The multi-task job"), path_,
                     doing, [this] { return Save(); });
}

QString MultiTaskWindow::AskPath(bool save) {
    return AskJobPath(this,
                      save ? QStringLiteral("Save Multi-Task Job As")
                           : QStringLiteral("Open Multi-Task Job"),
                      save, path_, {}, &folder_);
}

bool MultiTaskWindow::LeaveTable(QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool back = key->key() == Qt::Key_Backtab ||
                      (key->key() == Qt::Key_Tab && key->modifiers() & Qt::ShiftModifier);
    if (!(key->modifiers() & Qt::ControlModifier) || (!back && key->key() != Qt::Key_Tab))
        return false;
    // The next control that Tab would reach, outside the table and its editor.
    QWidget* to = table_;
    do
        to = back ? to->previousInFocusChain() : to->nextInFocusChain();
    while (to != table_ &&
           (table_->isAncestorOf(to) || (to->focusPolicy() & Qt::TabFocus) != Qt::TabFocus ||
            !to->isVisibleTo(this) || !to->isEnabled()));
    to->setFocus(back ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    return true;
}

void MultiTaskWindow::RevertEditSession() {
    // Only the newest step, and only where this editor made it: an edit
    // undone before would otherwise be undone again.
    const int top = undo_->index() - 1;
    if (top < 0 || top != undo_->count() - 1)
        return;
    if (static_cast<const ChangeJob*>(undo_->command(top))->mergeKey() == editSession_)
        undo_->undo();
}

bool MultiTaskWindow::eventFilter(QObject* watched, QEvent* event) {
    return (watched == table_ && LeaveTable(event)) || QMainWindow::eventFilter(watched, event);
}

bool MultiTaskWindow::MaySwitchUnits(lifting::Units to) {
    // Nothing is converted: a job measured in inches would be worked out as
    // if in centimetres, with another CLI and no word of why.
    const bool metric = to == lifting::Units::Metric;
    const auto [from, into] = metric ? std::pair{QStringLiteral("in"), QStringLiteral("cm")}
                                     : std::pair{QStringLiteral("cm"), QStringLiteral("in")};
    const auto [lb, kg] = metric ? std::pair{QStringLiteral("lb"), QStringLiteral("kg")}
                                 : std::pair{QStringLiteral("kg"), QStringLiteral("lb")};
    QMessageBox box(this);
    box.setIcon(QMessageBox::Question);
    box.setWindowTitle(QString::fromLatin1(kTitle));
    box.setTextFormat(Qt::PlainText);
    box.setText(
        QStringLiteral("Each entry of the tasks keeps its number as typed, and will be read "
                       "in %1 units: H 25 %2 becomes 25 %3, and L(AVG) 30 %4 becomes 30 "
                       "%5. Nothing is converted; every value and the CLI are worked out "
                       "again from the entries read so.\n\nSwitch the job to %1 units?")
            .arg(metric ? QStringLiteral("metric") : QStringLiteral("U.S. customary"), from, into,
                 lb, kg));
    QPushButton* toSwitch = box.addButton(QStringLiteral("&Switch"), QMessageBox::AcceptRole);
    box.setDefaultButton(box.addButton(QMessageBox::Cancel));
    box.exec();
    return box.clickedButton() == toSwitch;
}

void MultiTaskWindow::Warn(const QString& message) {
    app::Warn(this, QString::fromLatin1(kTitle), message);
}

bool MultiTaskWindow::MayClose(const QString& doing) {
    if (!MayDiscard(doing))
        return false;
    // Save leaves nothing to take back.
    if (isWindowModified())
        Take(saved_);
    return true;
}

void MultiTaskWindow::closeEvent(QCloseEvent* event) {
    if (MayClose(QStringLiteral("closing the window")))
        event->accept();
    else
        event->ignore();
}

} // namespace app
