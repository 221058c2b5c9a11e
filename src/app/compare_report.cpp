#include "app/compare_report.h"

#include "app/cell_words.h"
#include "app/multitask_report.h"
#include "app/report_page.h"
#include "lifting/compare.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>

#include <algorithm>
#include <cstdio>

namespace app {
namespace {

using lifting::Cell;

// Page measures are in points (1/72 inch).
constexpr double kGap = 12;
constexpr double kRowHeight = 14;
constexpr double kLabelColumn = 190;
constexpr double kValueColumn = 50;

// Behind a value that reads otherwise after the change; light enough to
// print, and the value is bold besides.
const QColor kChanged(255, 236, 170);

constexpr std::array<const char*, 2> kSides{"Before", "After"};
constexpr std::array<const char*, 2> kEnds{"Origin", "Destination"};

QString Percent(const std::optional<double>& percent) {
    return percent ? QLocale::c().toString(*percent, 'f', 1).prepend(*percent >= 0 ? "+" : "") +
                         QLatin1Char('%')
                   : QString();
}

// One value in its column, shaded and bold where it changed.
void DrawValue(QPainter& painter, const QRectF& rect, const QString& text, bool changed) {
    if (changed)
        painter.fillRect(rect, kChanged);
    QFont font = painter.font();
    const bool bold = font.bold();
    font.setBold(bold || changed);
    painter.setFont(font);
    DrawReportLine(painter, rect.adjusted(0, 0, -4, 0), text, Qt::AlignRight);
    font.setBold(bold);
    painter.setFont(font);
}

QString UnitsNote(bool converted, lifting::Units units) {
    if (!converted)
        return {};
    const UnitNames to = UnitNamesOf(units);
    const UnitNames from = UnitNamesOf(units == lifting::Units::Metric ? lifting::Units::UsCustomary
                                                                       : lifting::Units::Metric);
    return QStringLiteral(
               "Units: the before job was entered in %1 units (%2, %3) and is shown in the after "
               "job's (%4, %5): its lengths and weights converted (1 in = 2.54 cm, 1 lb = "
               "0.45359237 kg) "
               "and its RWLs rounded down to 0.1 %5. Each job is computed in its own units, so "
               "its multipliers and lifting indices are its own sheet's; computed again from "
               "converted entries it would meet the other units' limits and could read safer "
               "than it is.")
        .arg(QLatin1String(from.system), QLatin1String(from.length), QLatin1String(from.mass),
             QLatin1String(to.length), QLatin1String(to.mass));
}

// The two jobs' heads, side by side; their files are named in the footer.
void DrawHeads(QPainter& painter, const QRectF& area,
               const std::array<const lifting::JobDetails*, 2>& details,
               const std::array<QString, 2>& summaries, const QString& page = {}) {
    const double half = (area.width() - kGap) / 2;
    for (std::size_t side = 0; side < 2; ++side) {
        DrawReportHeader(painter,
                         QRectF(area.left() + static_cast<double>(side) * (half + kGap), area.top(),
                                half, kReportHeaderHeight),
                         *details[side],
                         QString::fromLatin1(kSides[side]).toUpper() +
                             (side == 1 ? page : QString()),
                         summaries[side]);
    }
}

// Lines of text from top down the area, wrapped; returns where they end.
double DrawNotes(QPainter& painter, const QRectF& area, const QStringList& notes,
                 const QColor& color) {
    painter.setFont(ReportFont(8));
    painter.setPen(color);
    double y = area.top();
    for (const QString& note : notes)
        y += DrawWrapped(painter, QPointF(area.left(), y), area.width(), note, 3) + 2;
    painter.setPen(kInk);
    return y;
}

void DrawBands(QPainter& painter, const QRectF& area) {
    painter.setFont(ReportFont(8));
    double y = area.top();
    for (const lifting::Band& band : lifting::kBands) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(BandColor(band));
        painter.drawEllipse(QPointF(area.left() + 4, y + 5.5), 3, 3);
        painter.setPen(kInk);
        DrawReportLine(painter, QRectF(area.left() + 12, y, 60, 11), QLatin1String(band.bound));
        DrawReportLine(painter, QRectF(area.left() + 72, y, area.width() - 72, 11),
                       QLatin1String(band.meaning));
        y += 11;
    }
    painter.setBrush(Qt::NoBrush);
}

// A band's dot and what an index means, wrapped; returns the height used.
double DrawReading(QPainter& painter, const QPointF& at, double width, const QString& name,
                   const lifting::Band& band, const QString& text) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(BandColor(band));
    painter.drawEllipse(at + QPointF(4, 6), 3.5, 3.5);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(kInk);
    painter.setFont(ReportFont(8, true));
    DrawReportLine(painter, QRectF(at.x() + 12, at.y(), width - 12, 12), name);
    painter.setFont(ReportFont(8));
    return 12 + DrawWrapped(painter, at + QPointF(12, 12), width - 12, text, 2) + 3;
}

QString EndReading(const QString& shown, const lifting::EndResult& end) {
    if (!end.index)
        return QStringLiteral("%1: no lifting index, as %2.").arg(shown, end.whyNoIndex);
    return QStringLiteral("%1: %2.").arg(shown, QLatin1String(end.band->meaning));
}

void DrawTable(QPainter& painter, const QRectF& area, const lifting::JobComparison& comparison) {
    const double group = 3 * kValueColumn + kGap;
    double y = area.top();
    painter.setPen(kInk);
    painter.setFont(ReportFont(9, true));
    for (std::size_t end = 0; end < 2; ++end) {
        const double x = area.left() + kLabelColumn + static_cast<double>(end) * group;
        DrawReportLine(painter, QRectF(x, y, 3 * kValueColumn - 4, kRowHeight),
                       QLatin1String(kEnds[end]), Qt::AlignHCenter);
        DrawRule(painter, x + 4, x + 3 * kValueColumn - 4, y + kRowHeight - 1);
    }
    y += kRowHeight;
    painter.setFont(ReportFont(8, true));
    for (std::size_t end = 0; end < 2; ++end) {
        const double x = area.left() + kLabelColumn + static_cast<double>(end) * group;
        for (std::size_t c = 0; c < 3; ++c)
            DrawReportLine(
                painter,
                QRectF(x + static_cast<double>(c) * kValueColumn, y, kValueColumn - 4, kRowHeight),
                c < 2 ? QLatin1String(kSides[c]) : QLatin1String("Change"), Qt::AlignRight);
    }
    y += kRowHeight;
    const UnitNames names = UnitNamesOf(comparison.units);
    for (const ReportRow& row : kReportRows) {
        if (row.opensGroup)
            DrawRule(painter, area.left(), area.left() + kLabelColumn + 2 * group - kGap, y, 0.75);
        painter.setFont(ReportFont(9, row.result));
        DrawReportLine(painter, QRectF(area.left(), y, kLabelColumn - 4, kRowHeight),
                       LabelOf(row, names));
        const std::array<Cell, 2> cells{row.origin, row.destination};
        for (std::size_t end = 0; end < 2; ++end) {
            const Cell cell = cells[end];
            const bool changed = comparison.changed[cell];
            double x = area.left() + kLabelColumn + static_cast<double>(end) * group;
            for (std::size_t side = 0; side < 2; ++side, x += kValueColumn)
                DrawValue(painter, QRectF(x, y, kValueColumn, kRowHeight),
                          comparison.jobs[side].cells[cell], changed);
            if (row.origin == Cell::RwlOrigin)
                DrawValue(painter, QRectF(x, y, kValueColumn, kRowHeight),
                          Percent(comparison.rwl[end].percent), false);
            else if (row.origin == Cell::LiOrigin)
                DrawValue(painter, QRectF(x, y, kValueColumn, kRowHeight),
                          comparison.index[end].percent
                              ? Percent(comparison.index[end].percent)
                              : QString::fromLatin1(lifting::kNoLiftingIndex),
                          false);
        }
        y += kRowHeight;
    }
    DrawRule(painter, area.left(), area.left() + kLabelColumn + 2 * group - kGap, y, 0.75);
}

void PaintJobComparison(QPainter& painter, const QRectF& page,
                        const lifting::JobComparison& comparison) {
    std::array<QString, 2> summaries;
    for (std::size_t side = 0; side < 2; ++side) {
        const lifting::Job& job = comparison.jobs[side].job;
        summaries[side] = JobSummary(job.units, job.duration, job.coupling);
    }
    DrawHeads(painter, page, {&comparison.jobs[0].details, &comparison.jobs[1].details}, summaries);
    const double top = page.top() + kReportHeaderHeight + kGap;
    const QRectF table(page.left(), top, kLabelColumn + 6 * kValueColumn + kGap,
                       (kReportRows.size() + 2) * kRowHeight);
    DrawTable(painter, table, comparison);

    const double notesTop =
        DrawNotes(painter, QRectF(page.left(), table.bottom() + kGap / 2, table.width(), 0),
                  {QStringLiteral("Shaded and bold: what reads otherwise after the change. "
                                  "Change: in percent of the value before.")},
                  kMuted);
    QStringList notes;
    if (const QString units = UnitsNote(comparison.converted, comparison.units); !units.isEmpty())
        notes << units;
    for (std::size_t side = 0; side < 2; ++side) {
        const lifting::ComparedJob& job = comparison.jobs[side];
        const QString which = QLatin1String(kSides[side]);
        if (!job.refused.empty())
            notes << QStringLiteral("%1: left unmade, as they are not numbers of 0 or more: %2.")
                         .arg(which, RefusedWords(job.refused).join(QStringLiteral(", ")));
        if (job.savedUncalculated)
            notes << QStringLiteral("%1: not calculated; compared as calculated.").arg(which);
    }
    DrawNotes(painter, QRectF(page.left(), notesTop, table.width(), 0), notes, kWarning);

    const QRectF right(table.right() + kGap, top, page.right() - table.right() - kGap, 0);
    painter.setPen(kInk);
    painter.setFont(ReportFont(9, true));
    DrawReportLine(painter, QRectF(right.left(), top, right.width(), kRowHeight),
                   QStringLiteral("What the lifting index means"));
    DrawBands(painter, right.translated(0, kRowHeight));
    double y = top + kRowHeight + 3 * 11 + kGap / 2;
    const std::array<Cell, 2> indexCells{Cell::LiOrigin, Cell::LiDestination};
    for (std::size_t end = 0; end < 2; ++end) {
        for (std::size_t side = 0; side < 2; ++side) {
            const lifting::ComparedJob& job = comparison.jobs[side];
            y += DrawReading(
                painter, QPointF(right.left(), y), right.width(),
                QStringLiteral("%1, %2").arg(QLatin1String(kEnds[end]),
                                             QString::fromLatin1(kSides[side]).toLower()),
                *job.ends[end].band, EndReading(job.cells[indexCells[end]], job.ends[end]));
        }
    }
}

// The multi-task comparison: a line before and a line after for each task.
struct TaskColumn {
    const char* header;
    double width;
};

void PaintMultiTaskComparison(QPainter& painter, const QRectF& page,
                              const lifting::MultiTaskComparison& comparison, int pageNumber,
                              int pages) {
    std::array<QString, 2> summaries;
    for (std::size_t side = 0; side < 2; ++side) {
        summaries[side] =
            JobSummary(comparison.entered[side], comparison.jobs[side].duration, std::nullopt) +
            QStringLiteral("  ·  %1 tasks").arg(comparison.jobs[side].tasks.size());
    }
    DrawHeads(painter, page, {&comparison.details[0], &comparison.details[1]}, summaries,
              pages > 1 ? QStringLiteral("  ·  page %1 of %2").arg(pageNumber + 1).arg(pages)
                        : QString());

    // The columns after the task's name and side: the coupling, the entries,
    // the multipliers of the governing end, then its results.
    constexpr std::array kMultipliers{"HM", "VM", "DM", "AM", "FM", "CM"};
    constexpr std::array kResults{TaskValue::Governing, TaskValue::Strwl, TaskValue::Stli,
                                  TaskValue::Rank};
    struct Column {
        QString header;
        double width;
    };
    std::vector<Column> columns{{QStringLiteral("Coupl."), 34}};
    for (const TaskEntryColumn& column : kTaskEntryColumns)
        columns.push_back({QString::fromUtf8(column.header), 30});
    for (const char* multiplier : kMultipliers)
        columns.push_back({QLatin1String(multiplier), 32});
    for (const TaskValue value : kResults) {
        const auto found =
            std::find_if(kTaskValueColumns.begin(), kTaskValueColumns.end(),
                         [value](const TaskValueColumn& column) { return column.value == value; });
        // "destination" whole.
        columns.push_back(
            {QString::fromUtf8(found->header), value == TaskValue::Governing ? 50.0 : 32.0});
    }
    const double sideWidth = 30;
    double valuesWidth = 0;
    for (const Column& column : columns)
        valuesWidth += column.width;
    const double nameWidth = page.width() - sideWidth - valuesWidth;
    const double rowHeight = 11;
    double y = page.top() + kReportHeaderHeight + kGap;
    double x = page.left();
    auto cell = [&](double width, const QString& text, bool changed = false,
                    Qt::Alignment align = Qt::AlignRight) {
        if (changed)
            painter.fillRect(QRectF(x, y, width, rowHeight), kChanged);
        QFont font = painter.font();
        const bool bold = font.bold();
        font.setBold(bold || changed);
        painter.setFont(font);
        DrawReportLine(painter, QRectF(x + 1, y, width - 4, rowHeight), text, align);
        font.setBold(bold);
        painter.setFont(font);
        x += width;
    };
    painter.setPen(kInk);
    painter.setFont(ReportFont(7, true));
    cell(nameWidth, QStringLiteral("Task"), false, Qt::AlignLeft);
    cell(sideWidth, QString());
    for (std::size_t c = 0; c < columns.size(); ++c)
        cell(columns[c].width, columns[c].header, false, c == 0 ? Qt::AlignLeft : Qt::AlignRight);
    y += rowHeight;
    DrawRule(painter, page.left(), page.right(), y);

    // Each line's texts, so that the after line can mark what differs; a
    // task in one job only has none in the other.
    auto texts = [&](const lifting::TaskMatch& match, std::size_t side) {
        QStringList line;
        if (!match.place[side])
            return line;
        const std::size_t task = *match.place[side];
        const lifting::Task& entered = comparison.jobs[side].tasks[task];
        const lifting::TaskResult& result = comparison.results[side].tasks[task];
        constexpr std::array kCouplings{"Good", "Fair", "Poor"};
        line << QLatin1String(kCouplings.at(static_cast<std::size_t>(entered.coupling)));
        for (const TaskEntryColumn& column : kTaskEntryColumns)
            line << entered[column.entry].value_or(QString());
        const lifting::EndValues* end = result.values ? &result.values->Governing() : nullptr;
        for (const float multiplier :
             end ? std::array{end->hm, end->vm, end->dm, end->am, end->fm, end->cm}
                 : std::array<float, 6>{}) {
            line << (end ? lifting::MultiplierText(multiplier) : QString());
        }
        for (const TaskValue value : kResults)
            line << TaskValueText(comparison.results[side], task, value);
        return line;
    };
    const std::size_t first = static_cast<std::size_t>(pageNumber) * kTasksPerPage;
    const std::size_t last = std::min(first + kTasksPerPage, comparison.tasks.size());
    for (std::size_t i = first; i < last; ++i) {
        const lifting::TaskMatch& match = comparison.tasks[i];
        const std::array<QStringList, 2> lines{texts(match, 0), texts(match, 1)};
        for (std::size_t side = 0; side < 2; ++side) {
            x = page.left();
            painter.setFont(ReportFont(7, side == 1));
            painter.setPen(side == 0 ? kMuted : kInk);
            cell(nameWidth, side == 0 ? match.name : QString(), false, Qt::AlignLeft);
            cell(sideWidth, QString::fromLatin1(kSides[side]).toLower(), false, Qt::AlignLeft);
            painter.setFont(ReportFont(7));
            if (lines[side].isEmpty())
                cell(valuesWidth, QStringLiteral("not in this job"), false, Qt::AlignLeft);
            for (qsizetype c = 0; c < lines[side].size(); ++c) {
                const bool changed =
                    side == 1 && lines[0].size() == lines[1].size() && lines[0][c] != lines[1][c];
                cell(columns[c].width, lines[side][c], changed,
                     c == 0 ? Qt::AlignLeft : Qt::AlignRight);
            }
            y += rowHeight;
        }
        DrawRule(painter, page.left(), page.right(), y);
    }

    y += kGap;
    painter.setPen(kInk);
    painter.setFont(ReportFont(11, true));
    DrawReportLine(painter, QRectF(page.left(), y, page.width(), 15),
                   QStringLiteral("Composite lifting index: %1 before, %2 after%3")
                       .arg(lifting::CompositeText(comparison.cli.before),
                            lifting::CompositeText(comparison.cli.after),
                            comparison.cli.percent
                                ? QStringLiteral(", %1").arg(Percent(comparison.cli.percent))
                                : QString()));
    y += 19;
    const double half = (page.width() - kGap) / 2;
    for (std::size_t side = 0; side < 2; ++side) {
        DrawReading(painter, QPointF(page.left() + static_cast<double>(side) * (half + kGap), y),
                    half, QLatin1String(kSides[side]),
                    lifting::BandOf(comparison.results[side].cli),
                    CompositeSummary(comparison.results[side]));
    }
    y += 30;
    y = DrawNotes(painter, QRectF(page.left(), y, page.width(), 0),
                  {QStringLiteral("Shaded and bold: what reads otherwise after the change. Tasks "
                                  "are matched by name; the multipliers are those of each task's "
                                  "governing end.")},
                  kMuted);
    DrawNotes(painter, QRectF(page.left(), y, page.width(), 0),
              {UnitsNote(comparison.converted, comparison.units)}, kWarning);
}

// Runs paint in points over the page's paintable area, and the footer.
void PaintPage(QPainter& painter, const std::array<QString, 2>& files,
               const std::function<void(const QRectF&)>& paint) {
    painter.save();
    const QPaintDevice& device = *painter.device();
    const double scale = device.logicalDpiX() / 72.0;
    painter.scale(scale, scale);
    const QRectF page(0, 0, device.width() / scale, device.height() / scale);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(page.adjusted(0, 0, 0, -kReportFooterHeight - kGap / 2));
    DrawReportFooter(
        painter,
        QRectF(page.left(), page.bottom() - kReportFooterHeight, page.width(), kReportFooterHeight),
        QStringLiteral("Before: %1  ·  After: %2").arg(FileWords(files[0]), FileWords(files[1])));
    painter.restore();
}

QString Named(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

std::optional<ComparedFile> LoadComparedFile(const QString& path, QString* error) {
    if (lifting::KindOfJobFileAt(path) == lifting::JobFileKind::MultiTask) {
        if (auto file = lifting::LoadMultiTaskFile(path, error))
            return ComparedFile{*std::move(file), path};
    } else if (auto file = lifting::LoadJobFile(path, error)) {
        return ComparedFile{*std::move(file), path};
    }
    return std::nullopt;
}

std::optional<ReportPages> ComparisonPages(const ComparedFile& before, const ComparedFile& after,
                                           QString* error) {
    const std::array<QString, 2> files{before.fileName, after.fileName};
    auto nameOf = [](const QString& fileName) {
        return fileName.isEmpty() ? QStringLiteral("unsaved job")
                                  : QFileInfo(fileName).completeBaseName();
    };
    ReportPages pages{
        QStringLiteral("Before and after"),
        after.fileName,
        1,
        {},
        QStringLiteral("%1 vs %2").arg(nameOf(before.fileName), nameOf(after.fileName))};
    const auto* jobs = std::get_if<lifting::JobFile>(&after.file);
    const auto* tasks = std::get_if<lifting::MultiTaskFile>(&after.file);
    if (jobs && std::holds_alternative<lifting::JobFile>(before.file)) {
        pages.paint = [comparison =
                           lifting::Compare(std::get<lifting::JobFile>(before.file), *jobs),
                       files](QPainter& painter, int) {
            PaintPage(painter, files,
                      [&](const QRectF& page) { PaintJobComparison(painter, page, comparison); });
        };
    } else if (tasks && std::holds_alternative<lifting::MultiTaskFile>(before.file)) {
        const lifting::MultiTaskComparison comparison =
            lifting::Compare(std::get<lifting::MultiTaskFile>(before.file), *tasks);
        pages.count = std::max(
            1, static_cast<int>((comparison.tasks.size() + kTasksPerPage - 1) / kTasksPerPage));
        pages.paint = [comparison, files, count = pages.count](QPainter& painter, int page) {
            PaintPage(painter, files, [&](const QRectF& area) {
                PaintMultiTaskComparison(painter, area, comparison, page, count);
            });
        };
    } else {
        *error = QStringLiteral(
            "one is a single-task job and the other a multi-task job; a job is compared with a "
            "job of its own kind");
        return std::nullopt;
    }
    return pages;
}

void CompareWith(QWidget* parent, const ComparedFile& after) {
    const QString folder =
        after.fileName.isEmpty() ? QDir::currentPath() : QFileInfo(after.fileName).absolutePath();
    QFileDialog dialog(
        parent, QStringLiteral("Compare With: the Job Before the Change (the Sheet Is After)"),
        folder, QStringLiteral("Job files (*.liftjob);;All files (*)"));
    // Qt's own dialog, as for opening a job: the same on every desktop.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Compare"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    QString error;
    std::optional<ReportPages> pages;
    if (const std::optional<ComparedFile> before = LoadComparedFile(path, &error))
        pages = ComparisonPages(*before, after, &error);
    if (!pages) {
        QMessageBox::warning(parent, QStringLiteral("Compare With"),
                             QStringLiteral("%1 cannot be compared with the sheet: %2.")
                                 .arg(QStringLiteral("\u201c%1\u201d").arg(Named(path)), error));
        return;
    }
    ExportPdf(parent, *pages);
}

int RunCompareCommand(int& argc, char** argv, const QString& beforePath, const QString& afterPath,
                      const QString& output) {
    auto fail = [](int status, const QString& named, const QString& why) {
        std::fprintf(stderr, "%s: %s: %s\n",
                     QCoreApplication::applicationName().toLocal8Bit().constData(),
                     named.toLocal8Bit().constData(), why.toLocal8Bit().constData());
        return status;
    };
    QString error;
    const std::optional<ComparedFile> before = LoadComparedFile(beforePath, &error);
    if (!before)
        return fail(2, Named(beforePath), error);
    const std::optional<ComparedFile> after = LoadComparedFile(afterPath, &error);
    if (!after)
        return fail(2, Named(afterPath), error);
    const std::optional<ReportPages> pages = ComparisonPages(*before, *after, &error);
    if (!pages)
        return fail(2, QStringLiteral("%1 and %2").arg(Named(beforePath), Named(afterPath)), error);
    // The page needs widgets but no screen: it is drawn offscreen unless the
    // user chose a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);
    if (!WritePdf(*pages, output, &error))
        return fail(1, Named(output), QStringLiteral("it cannot be written: ") + error);
    return 0;
}

} // namespace app
