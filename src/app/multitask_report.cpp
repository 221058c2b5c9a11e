#include "app/multitask_report.h"

#include "app/report_page.h"
#include "app/task_ranking.h"
#include "lifting/bands.h"
#include "lifting/numbers.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <array>
#include <numeric>

namespace app {
namespace {

using lifting::Entry;

// Page measures are in points (1/72 inch).
constexpr double kRowHeight = 12;
constexpr double kGap = 10;

// The rules as the report states them; the fourth names the interpolation
// where there was one.
constexpr std::array kRules{
    "1. Each task's HM, VM, DM, AM and CM come from the rules of the single-task sheet, at the "
    "origin and at the destination.",
    "2. FIRWL = LC x HM x VM x DM x AM x CM, the RWL with FM = 1; FM is the task's own "
    "frequency, read as the sheet reads it. 3. STRWL = FIRWL x FM.",
    "4. FILI = L(Max) / FIRWL; STLI = L(AVG) / STRWL. 5. The end with the larger STLI governs "
    "the task (the origin on a tie). 6. Tasks are ranked by STLI, largest first; ties keep the "
    "order of entry.",
    "7. CLI = STLI(1) + sum over k = 2..n of FILI(k) x (1/FM(F1+...+Fk) - 1/FM(F1+...+Fk-1)).",
};
constexpr auto kSummedFmRule =
    "8. FM of a summed frequency: the FM table with the job's duration, in the lower of its two "
    "vertical-location columns; linear between neighbouring rows; at or below 0.2 lifts/min the "
    "0.2 row; above 15 lifts/min FM is 0.";
constexpr auto kInterpolated = "Here an FM of a summed frequency was interpolated between two "
                               "rows of the table (marked ~).";
constexpr auto kNotInterpolated = "Here every FM of a summed frequency is a row of the table.";
constexpr auto kNotApplicableRule =
    "9. Where an FIRWL is 0 or less, or a summed FM is 0, the task or the CLI is N/A. 10. Up to "
    "30 tasks; above 10 the index is less established.";

const lifting::CompositeStep* StepOf(const lifting::MultiTaskResult& result, std::size_t task) {
    const auto found = std::find_if(result.steps.begin(), result.steps.end(),
                                    [task](const auto& step) { return step.task == task; });
    return found == result.steps.end() ? nullptr : &*found;
}

// The tasks first..last of the job, each in a row.
double DrawTasks(QPainter& painter, const QRectF& area, const lifting::MultiTaskFile& file,
                 const lifting::MultiTaskResult& result, std::size_t first, std::size_t last) {
    constexpr double kNumber = 16, kCoupling = 34, kPadding = 10;
    // Each entry and value as wide as its header or its widest text on the
    // page, so that the tasks' names have the rest.
    const QFontMetricsF headerMetrics(ReportFont(8, true), painter.device());
    const QFontMetricsF textMetrics(ReportFont(8), painter.device());
    auto fitted = [&](const char* header, const auto& textOf) {
        double widest = headerMetrics.horizontalAdvance(QString::fromUtf8(header));
        for (std::size_t i = first; i < last; ++i)
            widest = std::max(widest, textMetrics.horizontalAdvance(textOf(i)));
        return widest + kPadding;
    };
    std::array<double, kTaskEntryColumns.size()> entryWidths{};
    for (std::size_t c = 0; c < entryWidths.size(); ++c)
        entryWidths[c] = fitted(kTaskEntryColumns[c].header, [&](std::size_t i) {
            return file.job.tasks[i][kTaskEntryColumns[c].entry].value_or(QString());
        });
    std::array<double, kTaskValueColumns.size()> valueWidths{};
    for (std::size_t c = 0; c < valueWidths.size(); ++c)
        valueWidths[c] = fitted(kTaskValueColumns[c].header, [&](std::size_t i) {
            return TaskValueText(result, i, kTaskValueColumns[c].value);
        });
    const double nameWidth = area.width() - kNumber - kCoupling -
                             std::accumulate(entryWidths.begin(), entryWidths.end(), 0.0) -
                             std::accumulate(valueWidths.begin(), valueWidths.end(), 0.0);
    double y = area.top();
    painter.setPen(kInk);
    painter.setFont(ReportFont(8, true));
    double x = area.left();
    auto cell = [&](double width, const QString& text, Qt::Alignment align = Qt::AlignRight) {
        DrawReportLine(painter, QRectF(x, y, width - 3, kRowHeight), text, align);
        x += width;
    };
    cell(kNumber, QStringLiteral("#"));
    cell(nameWidth, QStringLiteral("  Task"), Qt::AlignLeft);
    cell(kCoupling, QStringLiteral("Coupl."), Qt::AlignLeft);
    for (std::size_t c = 0; c < kTaskEntryColumns.size(); ++c)
        cell(entryWidths[c], QString::fromUtf8(kTaskEntryColumns[c].header));
    for (std::size_t c = 0; c < kTaskValueColumns.size(); ++c)
        cell(valueWidths[c], QString::fromUtf8(kTaskValueColumns[c].header));
    y += kRowHeight;
    DrawRule(painter, area.left(), area.right(), y);
    painter.setFont(ReportFont(8));
    for (std::size_t i = first; i < last; ++i) {
        const lifting::Task& task = file.job.tasks[i];
        x = area.left();
        cell(kNumber, QString::number(i + 1));
        cell(nameWidth, QStringLiteral("  ") + task.name, Qt::AlignLeft);
        cell(kCoupling, CouplingName(task.coupling), Qt::AlignLeft);
        for (std::size_t c = 0; c < kTaskEntryColumns.size(); ++c)
            cell(entryWidths[c], task[kTaskEntryColumns[c].entry].value_or(QString()));
        for (std::size_t c = 0; c < kTaskValueColumns.size(); ++c)
            cell(valueWidths[c], TaskValueText(result, i, kTaskValueColumns[c].value));
        y += kRowHeight;
    }
    DrawRule(painter, area.left(), area.right(), y);
    return y;
}

// The CLI's steps ranked first..last.
void DrawSteps(QPainter& painter, const QRectF& area, const lifting::MultiTaskFile& file,
               const lifting::MultiTaskResult& result, std::size_t first, std::size_t last) {
    double y = area.top();
    painter.setPen(kInk);
    painter.setFont(ReportFont(9, true));
    DrawReportLine(painter, QRectF(area.left(), y, area.width(), kRowHeight),
                   QStringLiteral("The composite lifting index, step by step in rank order"));
    y += kRowHeight + 2;
    constexpr std::array kHeaders{"Rank", "Task", "F", "Sum F", "FM sum", "FILI", "\u0394LI"};
    constexpr std::array kWidths{0.08, 0.40, 0.10, 0.10, 0.12, 0.10, 0.10};
    auto row = [&](const std::array<QString, kHeaders.size()>& texts) {
        double x = area.left();
        for (std::size_t c = 0; c < texts.size(); ++c) {
            const double width = kWidths[c] * area.width();
            DrawReportLine(painter, QRectF(x, y, width - 4, kRowHeight), texts[c],
                           c == 1 ? Qt::AlignLeft : Qt::AlignRight);
            x += width;
        }
        y += kRowHeight;
    };
    painter.setFont(ReportFont(8, true));
    std::array<QString, kHeaders.size()> headers;
    std::transform(kHeaders.begin(), kHeaders.end(), headers.begin(),
                   [](const char* h) { return QString::fromUtf8(h); });
    row(headers);
    DrawRule(painter, area.left(), area.right(), y);
    painter.setFont(ReportFont(8));
    if (result.steps.empty()) {
        painter.setPen(kMuted);
        DrawReportLine(painter, QRectF(area.left(), y, area.width(), kRowHeight),
                       QStringLiteral("No steps: every task needs its indices first."));
        // Why the page's tasks have none, where the steps would stand: the
        // rules below keep their room however many there are.
        painter.setPen(kWarning);
        for (std::size_t i = first; i < last; ++i) {
            if (result.tasks[i].HasIndices())
                continue;
            y += kRowHeight;
            DrawReportLine(painter, QRectF(area.left(), y, area.width(), kRowHeight),
                           QStringLiteral("Task %1 (%2): %3.")
                               .arg(i + 1)
                               .arg(file.job.tasks[i].name, result.tasks[i].Problem()));
        }
        return;
    }
    for (std::size_t k = first; k < std::min(last, result.steps.size()); ++k) {
        const lifting::CompositeStep& step = result.steps[k];
        row({QString::number(k + 1), file.job.tasks[step.task].name,
             file.job.tasks[step.task][Entry::Frequency].value_or(QString()),
             TaskValueText(result, step.task, TaskValue::SummedF),
             TaskValueText(result, step.task, TaskValue::SummedFm),
             TaskValueText(result, step.task, TaskValue::Fili),
             TaskValueText(result, step.task, TaskValue::Delta)});
    }
}

// The CLI in its band's colour, and what each band means.
void DrawMeaning(QPainter& painter, const QRectF& area, const lifting::MultiTaskResult& result) {
    double y = area.top();
    const lifting::Band& band = lifting::BandOf(result.cli);
    painter.setPen(Qt::NoPen);
    painter.setBrush(BandColor(band));
    painter.drawRect(QRectF(area.left(), y, 6, 30));
    painter.setPen(kInk);
    painter.setFont(ReportFont(13, true));
    DrawReportLine(painter, QRectF(area.left() + 12, y, area.width() - 12, 17),
                   QStringLiteral("CLI ") + lifting::CompositeText(result.cli));
    // Why there is no index can take a second line.
    painter.setFont(ReportFont(9));
    painter.drawText(QRectF(area.left() + 12, y + 17, area.width() - 12, 26),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, CompositeSummary(result));
    y += 46;
    painter.setFont(ReportFont(8));
    for (const lifting::Band& each : lifting::kBands) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(BandColor(each));
        painter.drawEllipse(QPointF(area.left() + 4, y + 5.5), 3, 3);
        painter.setPen(kInk);
        DrawReportLine(painter, QRectF(area.left() + 12, y, 60, 11), QLatin1String(each.bound));
        DrawReportLine(painter, QRectF(area.left() + 72, y, area.width() - 72, 11),
                       QLatin1String(each.meaning));
        y += 11;
    }
    if (result.manyTasks) {
        painter.setPen(kWarning);
        DrawReportLine(painter, QRectF(area.left(), y + 2, area.width(), 11),
                       QLatin1String(lifting::kManyTasksNote));
    }
}

void DrawRules(QPainter& painter, const QRectF& area, const lifting::MultiTaskResult& result) {
    const bool interpolated = std::any_of(result.steps.begin(), result.steps.end(),
                                          [](const auto& step) { return step.fm.interpolated; });
    double y = area.top();
    painter.setPen(kInk);
    painter.setFont(ReportFont(9, true));
    DrawReportLine(painter, QRectF(area.left(), y, area.width(), kRowHeight),
                   QStringLiteral("The rules used"));
    y += kRowHeight;
    painter.setFont(ReportFont(7));
    QStringList lines;
    for (const char* rule : kRules)
        lines << QString::fromUtf8(rule);
    lines << QString::fromUtf8(kSummedFmRule);
    // Without steps no summed frequency was looked up.
    if (!result.steps.empty())
        lines << QStringLiteral("    ") +
                     QString::fromUtf8(interpolated ? kInterpolated : kNotInterpolated);
    lines << QString::fromUtf8(kNotApplicableRule);
    for (const QString& line : lines) {
        DrawReportLine(painter, QRectF(area.left(), y, area.width(), 10), line);
        y += 10;
    }
}

void PaintPage(QPainter& painter, const lifting::MultiTaskFile& file, const QString& fileName,
               int page, int pages) {
    const lifting::MultiTaskResult result = lifting::Compute(file.job);
    painter.save();
    const QPaintDevice& device = *painter.device();
    const double scale = device.logicalDpiX() / 72.0;
    painter.scale(scale, scale);
    const QRectF area(0, 0, device.width() / scale, device.height() / scale);
    painter.setRenderHint(QPainter::Antialiasing);

    DrawReportHeader(painter, QRectF(area.left(), area.top(), area.width(), kReportHeaderHeight),
                     file.details,
                     QStringLiteral("Multi-task lifting analysis: %1 tasks, page %2 of %3")
                         .arg(file.job.tasks.size())
                         .arg(page + 1)
                         .arg(pages),
                     JobSummary(file.job.units, file.job.duration, std::nullopt));
    const QRectF footer(area.left(), area.bottom() - kReportFooterHeight, area.width(),
                        kReportFooterHeight);
    // The last page: what to change first.
    if (page == pages - 1) {
        DrawRanking(painter, area.adjusted(0, kReportHeaderHeight, 0, -kReportFooterHeight - 4),
                    file.job, result);
        DrawReportFooter(painter, footer, FileWords(fileName));
        painter.restore();
        return;
    }
    const std::size_t first = static_cast<std::size_t>(page) * kTasksPerPage;
    const std::size_t last = std::min(first + kTasksPerPage, file.job.tasks.size());
    const double tasksEnd =
        DrawTasks(painter, area.adjusted(0, kReportHeaderHeight, 0, 0), file, result, first, last);
    const double top = tasksEnd + kGap;
    const double split = area.width() * 0.58;
    DrawSteps(painter, QRectF(area.left(), top, split - kGap, 0), file, result, first, last);
    DrawMeaning(painter, QRectF(area.left() + split, top, area.width() - split, 0), result);
    DrawRules(painter, QRectF(area.left(), footer.top() - 9 * 10 - 4, area.width(), 0), result);
    DrawReportFooter(painter, footer, FileWords(fileName));
    painter.restore();
}

} // namespace

QString TaskValueText(const lifting::MultiTaskResult& result, std::size_t task, TaskValue value) {
    const lifting::TaskResult& taskResult = result.tasks.at(task);
    const lifting::CompositeStep* step = StepOf(result, task);
    if (!taskResult.values)
        return {};
    const lifting::EndValues& end = taskResult.values->Governing();
    switch (value) {
    case TaskValue::Firwl:
        return lifting::RwlText(end.firwl);
    case TaskValue::Fm:
        return lifting::MultiplierText(end.fm);
    case TaskValue::Strwl:
        return lifting::RwlText(end.strwl);
    case TaskValue::Fili:
        return lifting::IndexText(end.fili);
    case TaskValue::Stli:
        return lifting::IndexText(end.stli);
    case TaskValue::Governing:
        return taskResult.HasIndices() ? QString(lifting::NameOf(taskResult.values->governing))
                                       : QString();
    case TaskValue::Rank:
        return taskResult.rank ? QString::number(*taskResult.rank) : QString();
    case TaskValue::SummedF:
        return step ? lifting::Format(lifting::SummedFrequencyFigure(step->summedFrequency))
                    : QString();
    case TaskValue::SummedFm:
        return step ? (step->fm.interpolated ? QStringLiteral("~") : QString()) +
                          lifting::CompositeText(step->fm.fm)
                    : QString();
    case TaskValue::Delta:
        return step ? lifting::CompositeText(step->delta) : QString();
    }
    return {};
}

QString CompositeSummary(const lifting::MultiTaskResult& result) {
    if (!result.cli)
        return QStringLiteral("No composite lifting index: %1.").arg(result.problem);
    const lifting::Band& band = lifting::BandOf(result.cli);
    return QStringLiteral("%1, %2: %3.")
        .arg(lifting::CompositeText(result.cli), QLatin1String(band.bound),
             QLatin1String(band.meaning));
}

ReportPages MultiTaskPages(const lifting::MultiTaskFile& file, const QString& fileName) {
    // The tasks' pages, then what to change first.
    const int count =
        std::max(1, static_cast<int>((file.job.tasks.size() + kTasksPerPage - 1) / kTasksPerPage)) +
        1;
    return {file.details.title.isEmpty() ? QStringLiteral("Multi-task lifting analysis")
                                         : file.details.title,
            fileName, count, [file, fileName, count](QPainter& painter, int page) {
                PaintPage(painter, file, fileName, page, count);
            }};
}

} // namespace app
