// Keeping a job: the window's job actions, driven by their shortcuts, with
// every dialog answered as a user would.
#include "app/job_window.h"
#include "harness/modal.h"
#include "lifting/job_file.h"
#include "worksheet/form1.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace {

using harness::Responder;

const QString kTitle = QStringLiteral("Job Analysis Worksheet - Revised NIOSH Lifting Equation");

// Hands the next dialog to act, which must close it; a dialog of another
// kind fails the test.
template <typename Dialog, typename Act> std::unique_ptr<Responder> On(Act act) {
    return Responder::Handle([act](QWidget& dialog) {
        if (auto* expected = qobject_cast<Dialog*>(&dialog))
            act(*expected);
        else
            ADD_FAILURE() << "unexpected " << dialog.metaObject()->className();
        // One the answer left open (a file dialog refusing a file that is not
        // there) fails now, instead of waiting for the test's timeout.
        if (dialog.isVisible()) {
            ADD_FAILURE() << "left open: " << dialog.windowTitle().toStdString();
            dialog.close();
        }
    });
}

std::unique_ptr<Responder> ChooseFile(const QString& path) {
    return On<QFileDialog>([path](QFileDialog& files) {
        files.selectFile(path);
        // The file dialog's own accept, which checks the choice as its button does.
        static_cast<QDialog&>(files).accept();
    });
}

std::unique_ptr<Responder> FillDetails(const lifting::JobDetails& details) {
    return On<QDialog>([details](QDialog& dialog) {
        for (const auto& [name, text] :
             {std::pair{"title", details.title}, std::pair{"task", details.task},
              std::pair{"analyst", details.analyst}, std::pair{"date", details.date}})
            dialog.findChild<QLineEdit*>(QLatin1String(name))->setText(text);
        dialog.findChild<QPlainTextEdit*>(QStringLiteral("notes"))->setPlainText(details.notes);
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
}

// Answers a question with the button; then, which runs first, may arm the
// responder for the dialog that follows.
std::unique_ptr<Responder> Answer(
    QMessageBox::StandardButton button, std::function<void()> then = [] {}) {
    return On<QMessageBox>([button, then](QMessageBox& box) {
        then();
        box.button(button)->click();
    });
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

class JobWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        form().show();
    }

    Form1& form() { return window_.form(); }
    // The title as the window system shows it, the modified mark resolved.
    QString Title() { return form().windowHandle()->title(); }
    QString Path(const char* name) const { return dir_.filePath(QLatin1String(name)); }
    QString Cell(const char* name) {
        return form().findChild<QWidget*>(QLatin1String(name))->property("text").toString();
    }

    // Clicks each control in turn, "Picture1=20" answering its prompt 20.
    void Do(const char* steps) {
        for (const QString& step : QString::fromUtf8(steps).split(QLatin1Char(' '))) {
            auto* control = form().findChild<QWidget*>(step.section(QLatin1Char('='), 0, 0));
            ASSERT_NE(control, nullptr) << step.toStdString();
            auto answer = step.contains(QLatin1Char('='))
                              ? Responder::Answer(step.section(QLatin1Char('='), 1))
                              : nullptr;
            QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(8, control->height() / 2));
        }
    }
    // Presses the shortcut while the responder answers what it opens.
    void Press(const char* keys, std::unique_ptr<Responder> answer = nullptr) {
        // As a window manager does once a dialog closes; the offscreen
        // platform leaves no window active.
        form().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
        QTest::keySequence(&form(), QKeySequence(QLatin1String(keys)));
        EXPECT_TRUE(answer == nullptr || answer->seen().shown) << keys;
    }
    // What the message box that the call opens says.
    template <typename Call> QString Message(Call call) {
        auto box = Responder::CloseMessageBox();
        call();
        EXPECT_TRUE(box->seen().shown);
        return box->seen().message;
    }

    app::JobWindow window_;
    QTemporaryDir dir_;
};

struct RoundTrip {
    const char* file;
    const char* steps;
    lifting::Units units;
    // Hand-computed: RWL and lifting index at the origin, then the destination.
    const char* results[4];
};

// The dish-washer job in pounds; a metric job lifted for up to 2 hours with a
// fair coupling (CM 0.95 at the origin, below 75 cm).
const RoundTrip kRoundTrips[] = {
    {"dish.liftjob",
     "Picture1=20 Picture2=20 Picture3=20 Picture4=44 Picture5=20 Picture6=7 Picture8=30 "
     "Picture9=30 Picture18=5 Command1",
     lifting::Units::UsCustomary,
     {"14.3", "1.4", "13.3", "1.5"}},
    {"crate",
     "Option10 Option2 Option7 Picture3=25 Picture4=65 Picture5=50 Picture6=135 Picture8=0 "
     "Picture9=45 Picture1=8 Picture2=10 Picture18=1 Command1",
     lifting::Units::Metric,
     {"16.5", "0.5", "6.3", "1.6"}},
};

TEST_F(JobWindowTest, AJobSavedOpensAgainAsItWasShown) {
    // Quotes and backslashes as JSON must escape them.
    const lifting::JobDetails details{QStringLiteral("Plonge \u00e9 \u98df\u5668 \U0001F37D"),
                                      QStringLiteral("Kitchen"), QStringLiteral("R. Ng"),
                                      QStringLiteral("2026-12-08"),
                                      QStringLiteral("Box \"12\" from C:\\bins\\t\nof notes")};
    for (const RoundTrip& trip : kRoundTrips) {
        SCOPED_TRACE(trip.file);
        Do(trip.steps);
        EXPECT_EQ((QStringList{Cell("Picture25"), Cell("Picture27"), Cell("Picture26"),
                               Cell("Picture28")}),
                  (QStringList{trip.results, trip.results + 4}));
        Press("Ctrl+D", FillDetails(details));
        const lifting::Shown shown = form().ShownCells();
        // Saved without a suffix, the file takes the job file's.
        const QString path = dir_.filePath(QFileInfo(QLatin1String(trip.file)).baseName() +
                                           QStringLiteral(".liftjob"));
        Press("Ctrl+Shift+S", ChooseFile(Path(trip.file)));
        EXPECT_EQ(Title(), kTitle + " - " + QFileInfo(path).fileName());

        QString error;
        const auto saved = lifting::LoadJobFile(path, &error);
        ASSERT_TRUE(saved) << error.toStdString();
        EXPECT_EQ(saved->details, details);
        EXPECT_EQ(saved->job.units, trip.units);
        EXPECT_TRUE(saved->calculated);
        EXPECT_EQ(saved->shown, lifting::KeepAll(shown));

        Press("Ctrl+N");
        EXPECT_EQ(Title(), kTitle);
        EXPECT_EQ(Cell("Picture25"), QString());
        Press("Ctrl+O", ChooseFile(path));
        EXPECT_EQ(form().ShownCells(), shown);
        EXPECT_EQ(window_.details(), details);
        EXPECT_EQ(Title(), kTitle + " - " + QFileInfo(path).fileName());
        EXPECT_FALSE(window_.IsModified());
        Press("Ctrl+N");
    }
}

TEST_F(JobWindowTest, NewAndOpenAskBeforeUnsavedChangesAreLost) {
    const QString path = Path("kept.liftjob");
    Do("Picture1=20");
    Press("Ctrl+N", Answer(QMessageBox::Cancel));
    EXPECT_EQ(Cell("Picture1"), QStringLiteral("20"));
    // Save writes the job, then the new job starts.
    std::unique_ptr<Responder> next;
    Press("Ctrl+N", Answer(QMessageBox::Save, [&] { next = ChooseFile(path); }));
    EXPECT_TRUE(next && next->seen().shown);
    EXPECT_EQ(Cell("Picture1"), QString());
    Press("Ctrl+O", ChooseFile(path));
    EXPECT_EQ(Cell("Picture1"), QStringLiteral("20"));
    Do("Picture2=25");
    Press("Ctrl+O", Answer(QMessageBox::Discard, [&] { next = ChooseFile(path); }));
    EXPECT_TRUE(next && next->seen().shown);
    EXPECT_EQ(Cell("Picture2"), QString());
    EXPECT_FALSE(window_.IsModified());

    // A file dropped on the window opens once the drop is over.
    Press("Ctrl+N");
    QMimeData dragged;
    dragged.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter({300, 240}, Qt::CopyAction, &dragged, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&form(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(300, 240), Qt::CopyAction, &dragged, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&form(), &drop);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Cell("Picture1") == QStringLiteral("20"); }));
    EXPECT_EQ(Title(), kTitle + " - kept.liftjob");
}

TEST_F(JobWindowTest, ClosingAsksOnceTheJobHasAFileOrDetails) {
    // A bare sheet ends at once, as designed.
    Do("Picture1=20");
    EXPECT_TRUE(form().close());

    // With a file: the title marks a change, and closing asks.
    form().show();
    Press("Ctrl+N", Answer(QMessageBox::Discard));
    const QString path = Path("kept.liftjob");
    Do("Picture1=20");
    Press("Ctrl+S", ChooseFile(path));
    EXPECT_EQ(Title(), kTitle + " - kept.liftjob");
    Do("Picture3=12");
    EXPECT_EQ(Title(), kTitle + " - kept.liftjob*");
    auto cancel = Answer(QMessageBox::Cancel);
    EXPECT_FALSE(form().close());
    auto discard = Answer(QMessageBox::Discard);
    EXPECT_TRUE(form().close());

    // With details alone: EXIT asks too, and Save keeps the job first.
    form().show();
    Press("Ctrl+N", Answer(QMessageBox::Discard));
    Press("Ctrl+D", FillDetails({QStringLiteral("Crate"), {}, {}, {}, {}}));
    EXPECT_EQ(Title(), kTitle + "*");
    // EXIT in the application's loop, as the program runs: 0 where it ended
    // the program, else 1 from the call after it.
    const auto exitStatus = [this] {
        QObject running;
        QTimer::singleShot(0, &running, [this, &running] {
            Do("Command2");
            QTimer::singleShot(0, &running, [] { QCoreApplication::exit(1); });
        });
        return QCoreApplication::exec();
    };
    auto keep = Answer(QMessageBox::Cancel);
    EXPECT_EQ(exitStatus(), 1);
    EXPECT_TRUE(keep->seen().shown);
    EXPECT_TRUE(form().isVisible());
    EXPECT_EQ(Title(), kTitle + "*");

    const QString exited = Path("exited.liftjob");
    std::unique_ptr<Responder> next;
    auto save = Answer(QMessageBox::Save, [&] { next = ChooseFile(exited); });
    EXPECT_EQ(exitStatus(), 0);
    EXPECT_TRUE(save->seen().shown);
    QString error;
    const auto saved = lifting::LoadJobFile(exited, &error);
    ASSERT_TRUE(saved) << error.toStdString();
    EXPECT_EQ(saved->details.title, QStringLiteral("Crate"));
}

TEST_F(JobWindowTest, ABadFileIsNamedWithItsFaultAndTheSheetStays) {
    struct Bad {
        const char* name;
        QByteArray bytes; // a folder of that name where empty
        const char* fault;
    };
    const QByteArray head = R"({"format": "lifting-worksheet-job", "version": 1, )";
    const QByteArray options = R"("units": "us", "duration": "1", "coupling": "good")";
    const Bad bad[] = {
        {"text.liftjob", "L(AVG) 20, L(Max) 25", "it is not JSON"},
        {"other.liftjob", R"({"format": "lifting-worksheet-csv", "version": 1})",
         "not a lifting worksheet job"},
        {"newer.liftjob", R"({"format": "lifting-worksheet-job", "version": 2})",
         "newer version of the program"},
        {"zero.liftjob", R"({"format": "lifting-worksheet-job", "version": 0})",
         "not a whole number from 1 on"},
        {"type.liftjob", head + options + R"(, "entries": {"lavg": 20}})",
         "\"lavg\" is not a text"},
        {"value.liftjob", head + R"("units": "imperial", "duration": "1", "coupling": "good"})",
         "\"units\" is \"imperial\""},
        {"large.liftjob", head + options + QByteArray(1024 * 1024, ' ') + "}", "larger than 1 MiB"},
        {"folder.liftjob", {}, "cannot be read"},
    };
    Do("Picture1=20 Option7");
    Press("Ctrl+S", ChooseFile(Path("good.liftjob")));
    const lifting::JobFile before = window_.Current();
    const QString title = form().windowTitle();
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("folder.liftjob")));
    for (const Bad& file : bad) {
        SCOPED_TRACE(file.name);
        const QString path = Path(file.name);
        if (!file.bytes.isEmpty()) {
            QFile out(path);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(file.bytes) > 0);
        }
        const QString message = Message([&] { EXPECT_FALSE(window_.OpenPath(path)); });
        EXPECT_TRUE(message.contains(QDir::toNativeSeparators(path))) << message.toStdString();
        EXPECT_TRUE(message.contains(QLatin1String(file.fault))) << message.toStdString();
        EXPECT_EQ(window_.Current(), before);
        EXPECT_EQ(form().windowTitle(), title);
        EXPECT_TRUE(message.contains(QLatin1String("The sheet is unchanged")))
            << message.toStdString();
    }
}

TEST_F(JobWindowTest, AFailedSaveSaysWhyAndKeepsTheOldFile) {
    const QString path = Path("old.liftjob");
    Do("Picture1=20");
    Press("Ctrl+S", ChooseFile(path));
    const QByteArray old = Bytes(path);
    Do("Picture3=12");

    // The file system refuses to grow a file, as a full disk does; this
    // holds for root, whom permissions do not stop.
    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit small{64, limit.rlim_max};
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const QString full = Message([&] { Press("Ctrl+S"); });
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, signal);
    EXPECT_TRUE(full.contains(QDir::toNativeSeparators(path))) << full.toStdString();
    EXPECT_TRUE(full.contains(QLatin1String("too large"))) << full.toStdString();
    EXPECT_EQ(Bytes(path), old);
    EXPECT_TRUE(window_.IsModified());

    // A read-only folder: its permissions stop a user, its immutable
    // attribute root as well.
    const QString folder = dir_.path();
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    const bool immutable =
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), folder}) == 0;
    const bool locked = !QFile(Path("probe")).open(QIODevice::WriteOnly);
    const QString refused = locked ? Message([&] { Press("Ctrl+S"); }) : QString();
    if (immutable)
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), folder});
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!locked)
        GTEST_SKIP() << "no way here to make a folder read-only for this user";
    EXPECT_TRUE(refused.contains(QDir::toNativeSeparators(path))) << refused.toStdString();
    EXPECT_EQ(Bytes(path), old);
    EXPECT_TRUE(window_.IsModified());
}

TEST_F(JobWindowTest, OpeningTellsWhichCellsDifferFromTheSavedSheet) {
    // The frequency before V: FM was read with both V still 0.
    Do("Picture18=13 Picture3=20 Picture4=30 Picture5=20 Picture6=44 Picture1=20 Picture2=20 "
       "Command1");
    EXPECT_EQ(Cell("Picture19"), QStringLiteral("0.00"));
    const QString path = Path("order.liftjob");
    Press("Ctrl+S", ChooseFile(path));
    Press("Ctrl+N");
    const QString message = Message([&] { EXPECT_TRUE(window_.OpenPath(path)); });
    // What differs leads, in words; why comes after it.
    EXPECT_TRUE(message.contains(QRegularExpression(
        QStringLiteral("^[^\n]*:\n\nFM at origin: saved 0.00, now 0.34\nFM at destination: "
                       "saved 0.00, now 0.34\n"))))
        << message.toStdString();
    EXPECT_TRUE(message.contains(QLatin1String("may have been edited"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QLatin1String("frequency before V"))) << message.toStdString();
    EXPECT_EQ(Cell("Picture19"), QStringLiteral("0.34"));
    EXPECT_TRUE(window_.IsModified());
    EXPECT_EQ(Title(), kTitle + " - order.liftjob*");
}

TEST_F(JobWindowTest, AFileWithoutCellsOrWithAnEntryRefusedOpensAsFarAsItCan) {
    // On a sheet as it starts there is nothing to keep unchanged.
    const QString missing =
        Message([&] { EXPECT_FALSE(window_.OpenPath(Path("missing.liftjob"))); });
    EXPECT_FALSE(missing.contains(QLatin1String("unchanged"))) << missing.toStdString();

    // No "shown": nothing to compare, and so no message (an unexpected one
    // fails the test). Then "20 in", no number: the entry stays unmade, and
    // the message names it.
    auto open = [this](const char* name, const char* originH) {
        QFile out(Path(name));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(QByteArrayLiteral(R"({"format": "lifting-worksheet-job", "version": 1,
            "units": "us", "duration": "1", "coupling": "good", "calculated": true,
            "entries": {"lavg": "20", "origin_h": ")") +
                  originH + "\"}}");
        out.close();
        return window_.OpenPath(Path(name));
    };
    EXPECT_TRUE(open("bare.liftjob", "20"));
    EXPECT_EQ(Cell("Picture10"), QStringLiteral("0.50"));
    EXPECT_FALSE(window_.IsModified());
    const QString message = Message([&] { EXPECT_TRUE(open("refused.liftjob", "20 in")); });
    EXPECT_TRUE(message.contains(QStringLiteral("Origin H \u201c20 in\u201d: Type the number "
                                                "alone (in inches)")))
        << message.toStdString();
    EXPECT_EQ(Cell("Picture3"), QString());
    EXPECT_EQ(window_.Current().job[lifting::Entry::OriginH], std::nullopt);
    EXPECT_TRUE(window_.IsModified());
}

TEST_F(JobWindowTest, TheReportIsExportedAndPrintedFromTheWindow) {
    Do("Picture1=20");
    Press("Ctrl+S", ChooseFile(Path("kept.liftjob")));
    Press("Ctrl+E", ChooseFile(Path("kept.pdf")));
    EXPECT_TRUE(Bytes(Path("kept.pdf")).startsWith("%PDF"));
    auto print = Responder::Close();
    Press("Ctrl+P");
    EXPECT_EQ(print->seen().kind, QStringLiteral("QPrintDialog"));
}

} // namespace
