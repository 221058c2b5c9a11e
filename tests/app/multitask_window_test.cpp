// The multi-task window driven by its keys as a user types a job: the CLI it
// shows against lifting::Compute and a hand-worked figure, a refused text and
// its undo, the report read back from its PDF, the ranking of what to change
// first and a task opened for redesign, closing the worksheet or EXIT in the
// task's copy with the job unsaved; then a job opened, closed and switched
// to other units.
#include "app/job_window.h"
#include "app/multitask_report.h"
#include "app/multitask_window.h"
#include "app/redesign_window.h"
#include "harness/modal.h"
#include "lifting/multitask_file.h"
#include "worksheet/form1.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// Each key to whichever widget has the focus, as the keyboard sends it: the
// first starts the cell's editor, the rest go into it.
void Type(const QString& text) {
    for (const QChar c : text)
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
}

void Press(QWidget& window, const char* keys) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keySequence(&window, QKeySequence(QLatin1String(keys)));
}

// Answers the next question with its button of the role; then, which runs
// first, may arm the responder for the question that follows.
std::unique_ptr<harness::Responder> Answer(
    QMessageBox::ButtonRole role, std::function<void()> then = [] {}) {
    return harness::Responder::Handle([role, then](QWidget& dialog) {
        then();
        if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
            for (QAbstractButton* button : box->buttons()) {
                if (box->buttonRole(button) == role)
                    return button->click();
            }
        }
        ADD_FAILURE() << "unanswered " << dialog.metaObject()->className();
        dialog.close();
    });
}

QString CliText(const app::MultiTaskWindow& window) {
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->accessibleName() == QStringLiteral("Composite lifting index"))
            return label->text();
    }
    return {};
}

// Three tasks of 30 lb at H 10 in, V 30 in, no travel or twist, 1 lift/min
// each, up to 1 hour, Good coupling. By hand: every multiplier 1, FIRWL 51.0,
// FM 0.94, STRWL 47.9; FILI 30/51 = 0.588, STLI 30/47.94 = 0.626. FM of 2 and
// 3 lifts/min: 0.91 and 0.88. CLI = 0.626 + 0.588 x (1/0.91 - 1/0.94)
// + 0.588 x (1/0.88 - 1/0.91) = 0.626 + 0.021 + 0.022 = 0.67, though no task
// alone reaches 0.63.
TEST(MultiTaskWindow, AJobTypedByKeyboardShowsItsCliUndoesAnEditAndPrintsIt) {
    app::JobWindow sheet;
    sheet.form().show();
    Press(sheet.form(), "Ctrl+M");
    app::MultiTaskWindow& window = sheet.MultiTask();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (const char* name : {"Top layer", "Middle layer", "Bottom layer"}) {
        Press(window, "Ctrl+T");
        for (const char* entry : {"30", "30", "10", "30", "0", "10", "30", "0", "1"}) {
            Type(QLatin1String(entry));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        const int row = window.table().rowCount() - 1;
        window.table().setCurrentCell(row, app::MultiTaskWindow::Name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        Type(QLatin1String(name));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    ASSERT_EQ(window.file().job.tasks.size(), 3u);
    EXPECT_EQ(window.file().job.tasks[2].name, QStringLiteral("Bottom layer"));
    const std::optional<double> cli = lifting::Compute(window.file().job).cli;
    ASSERT_TRUE(cli);
    EXPECT_NEAR(*cli, 0.67, 0.005);
    EXPECT_TRUE(CliText(window).contains(QStringLiteral("0.67, at most 1.0")))
        << CliText(window).toStdString();
    EXPECT_EQ(window.table().item(0, app::MultiTaskWindow::FirstValue)->text(),
              QStringLiteral("51.0"));
    EXPECT_TRUE(window.isWindowModified());

    // A text the sheet would refuse is kept, marked, and leaves no CLI;
    // undo takes the whole edit back.
    const int hAtOrigin = app::MultiTaskWindow::FirstEntry + 2;
    window.table().setCurrentCell(1, hAtOrigin);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    Type(QStringLiteral("1o"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(window.table().item(1, hAtOrigin)->toolTip().startsWith(QStringLiteral("Refused")));
    EXPECT_TRUE(CliText(window).contains(QStringLiteral("No composite lifting index: task 2")))
        << CliText(window).toStdString();
    Press(window, "Ctrl+Z");
    EXPECT_EQ(window.file().job.tasks[1][lifting::Entry::OriginH], QStringLiteral("10"));
    EXPECT_TRUE(CliText(window).contains(QStringLiteral("0.67")));
    // Escape leaves the cell as it was, though its keystrokes were applied.
    window.table().setCurrentCell(1, hAtOrigin);
    Type(QStringLiteral("99"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(window.file().job.tasks[1][lifting::Entry::OriginH], QStringLiteral("10"));
    EXPECT_EQ(window.table().item(1, hAtOrigin)->text(), QStringLiteral("10"));

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("job.pdf"));
    QString error;
    ASSERT_TRUE(app::WritePdf(app::MultiTaskPages(window.file(), {}), pdf, &error))
        << error.toStdString();
    QProcess pdftotext;
    pdftotext.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")),
                    {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(pdftotext.waitForFinished(30000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QStringLiteral("CLI 0.67"))) << text.toStdString();
    for (const char* name : {"Top layer", "Middle layer", "Bottom layer", "What to change first"})
        EXPECT_TRUE(text.contains(QLatin1String(name))) << name;

    // What to change first, by what each task adds, not by rank: the third
    // adds 0.022, the second 0.021 (above); shares of 0.668: 93.6, 3.3 and
    // 3.1 %.
    const QTableWidget* ranking = nullptr;
    for (const QTableWidget* table : window.findChildren<QTableWidget*>()) {
        if (table->accessibleName() == QStringLiteral("What to change first"))
            ranking = table;
    }
    ASSERT_NE(ranking, nullptr);
    const QStringList ranked{QStringLiteral("Top layer|0.63|93.6 %"),
                             QStringLiteral("Bottom layer|0.02|3.3 %"),
                             QStringLiteral("Middle layer|0.02|3.1 %")};
    const auto shown = [ranking] {
        QStringList rows;
        for (int row = 0; row < ranking->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < 3; ++column)
                cells << ranking->item(row, column)->text();
            rows << cells.join(u'|');
        }
        return rows;
    };
    // It follows once the typing pauses.
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown() == ranked; }))
        << shown().join(u'\n').toStdString();

    // Ctrl+R opens the selected task as a calculated job of its own, named
    // after it, with its guidance; the multi-task job stays as it was.
    window.table().setCurrentCell(1, app::MultiTaskWindow::FirstEntry);
    Press(window, "Ctrl+R");
    const auto copies = sheet.findChildren<app::JobWindow*>();
    ASSERT_EQ(copies.size(), 1);
    app::JobWindow& copy = *copies.front();
    EXPECT_TRUE(copy.details().title.startsWith(QStringLiteral("Middle layer (a task of")))
        << copy.details().title.toStdString();
    EXPECT_TRUE(copy.IsModified());
    EXPECT_EQ(copy.form().Text(lifting::Cell::RwlOrigin), QStringLiteral("47.9"));
    const auto* guidance = copy.form().findChild<app::RedesignWindow*>();
    ASSERT_NE(guidance, nullptr);
    EXPECT_TRUE(guidance->isVisible());
    EXPECT_EQ(window.file().job.tasks.size(), 3u);

    // EXIT in the copy ends the program: after the copy's own question it
    // asks over the multi-task job, whose Cancel keeps every window open.
    std::unique_ptr<harness::Responder> job;
    auto discardCopy =
        Answer(QMessageBox::DestructiveRole, [&job] { job = Answer(QMessageBox::RejectRole); });
    QObject running;
    QTimer::singleShot(0, &running, [&copy, &running] {
        QTest::mouseClick(copy.form().findChild<QPushButton*>(QStringLiteral("Command2")),
                          Qt::LeftButton);
        // Reached only while the program runs on.
        QTimer::singleShot(0, &running, [] { QCoreApplication::exit(1); });
    });
    EXPECT_EQ(QCoreApplication::exec(), 1);
    EXPECT_TRUE(job && job->seen().message.startsWith(QStringLiteral("The multi-task job has")));
    EXPECT_TRUE(copy.form().isVisible() && window.isVisible());
    delete &copy;

    // Closing the worksheet asks over the multi-task job's changes too:
    // Cancel keeps both windows, Discard closes both.
    for (const auto& [role, closes] : {std::pair{QMessageBox::RejectRole, false},
                                       std::pair{QMessageBox::DestructiveRole, true}}) {
        auto answer = Answer(role);
        EXPECT_EQ(sheet.form().close(), closes);
        const QString asked = answer->seen().message;
        EXPECT_TRUE(asked.startsWith(QStringLiteral("The multi-task job has changes")))
            << asked.toStdString();
        EXPECT_EQ(window.isVisible(), !closes);
        EXPECT_EQ(sheet.form().isVisible(), !closes);
        // Discarded, the job that never had a file is a new one again.
        EXPECT_EQ(window.file().job.tasks.empty(), closes);
    }
}

// A job just opened has its first task current: its keys act on it at once.
// Without a task, what acts on one is unavailable. Its changes are not lost
// unasked.
TEST(MultiTaskWindow, AnOpenedJobsFirstTaskGoesToTheSheetByItsKeys) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("stocker.liftjob"));
    lifting::MultiTaskFile file;
    for (const char* h : {"10", "20"}) {
        lifting::Task task;
        task.name = QStringLiteral("H %1").arg(QLatin1String(h));
        for (const auto& [entry, text] : {std::pair{lifting::Entry::LoadAvg, "30"},
                                          {lifting::Entry::LoadMax, "30"},
                                          {lifting::Entry::OriginH, h},
                                          {lifting::Entry::OriginV, "30"},
                                          {lifting::Entry::DestinationH, h},
                                          {lifting::Entry::DestinationV, "30"},
                                          {lifting::Entry::OriginA, "0"},
                                          {lifting::Entry::DestinationA, "0"},
                                          {lifting::Entry::Frequency, "1"}})
            task[entry] = QLatin1String(text);
        file.job.tasks.push_back(task);
    }
    QString error;
    ASSERT_TRUE(lifting::SaveMultiTaskFile(path, file, &error)) << error.toStdString();

    app::JobWindow sheet;
    sheet.form().show();
    app::MultiTaskWindow& window = sheet.MultiTask();
    auto showTask = [&window] {
        for (const QAction* action : window.findChildren<QAction*>()) {
            if (action->text() == QStringLiteral("Show Task in the S&heet"))
                return action->isEnabled();
        }
        ADD_FAILURE() << "no Show Task in the Sheet";
        return false;
    };
    EXPECT_FALSE(showTask());
    ASSERT_TRUE(window.OpenPath(path));
    EXPECT_TRUE(showTask());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    Press(window, "Ctrl+Shift+T");
    // 51 x FM 0.94 at H 10 in; H 20 in would give half of it.
    EXPECT_EQ(sheet.form().Text(lifting::Cell::RwlOrigin), QStringLiteral("47.9"));

    // Discard as the window closes drops the changes, back to the job of the
    // file.
    Press(window, "Ctrl+T");
    auto discardOnClose = Answer(QMessageBox::DestructiveRole);
    Press(window, "Ctrl+W");
    Press(sheet.form(), "Ctrl+M");
    EXPECT_TRUE(window.file().job == file.job);
    EXPECT_FALSE(window.isWindowModified());

    // The Units box asks before the entries are read in the other units;
    // Cancel leaves the job and the box as they were.
    QComboBox* units = nullptr;
    for (QComboBox* box : window.findChildren<QComboBox*>())
        units = box->accessibleName() == QStringLiteral("Units") ? box : units;
    ASSERT_NE(units, nullptr);
    auto keep = Answer(QMessageBox::RejectRole);
    QTest::keyClick(units, Qt::Key_Down);
    EXPECT_TRUE(keep->seen().message.contains(QStringLiteral("H 25 in becomes 25 cm")));
    EXPECT_TRUE(units->currentIndex() == 0 && window.file().job == file.job);

    // Ctrl+Tab leaves the table, whose Tab goes from cell to cell.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.table().setFocus();
    ASSERT_EQ(QApplication::focusWidget(), &window.table());
    QTest::keyClick(&window.table(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_FALSE(window.table().isAncestorOf(QApplication::focusWidget()) ||
                 QApplication::focusWidget() == &window.table());
}

} // namespace
