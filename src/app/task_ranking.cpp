#include "app/task_ranking.h"

#include "app/report_page.h"
#include "lifting/numbers.h"
#include "lifting/rules.h"

#include <QPainter>

#include <algorithm>
#include <utility>
#include <vector>

namespace app {
namespace {

constexpr double kRowHeight = 12;
// The least that holds a line of the 8-point font.
constexpr double kTightRowHeight = 10;
// By kRankingHeaders, after a column for the place in the ranking.
constexpr std::array kWidths{0.04, 0.20, 0.09, 0.07, 0.16, 0.34, 0.10};

constexpr auto kExplained =
    "The tasks by what each adds to the CLI: the STLI of the task ranked first, the \u0394LI of "
    "each other. For the first %1, the smallest multiplier at the task's governing end, the "
    "change that brings it to 1.00, and the job's CLI with that change alone made to that task "
    "(the ranking worked out anew).";

} // namespace

std::array<QString, kRankingHeaders.size()> RankingTexts(const lifting::MultiTaskJob& job,
                                                         const lifting::TaskAdvice& advice) {
    std::array<QString, kRankingHeaders.size()> texts{
        job.tasks.at(advice.task).name,
        lifting::CompositeText(advice.contribution),
        advice.share ? lifting::Format({*advice.share, false, lifting::Pattern::OneDecimal}) +
                           QStringLiteral(" %")
                     : QString::fromLatin1(lifting::kNoLiftingIndex),
    };
    if (const std::optional<lifting::FactorAdvice>& f = advice.costliest) {
        texts[3] = QStringLiteral("%1 %2 at the %3")
                       .arg(lifting::NameOf(f->factor), lifting::MultiplierText(f->multiplier),
                            lifting::NameOf(advice.end));
        texts[4] = f->changeWords;
        texts[5] = lifting::CompositeText(advice.cliAfter);
    } else {
        texts[3] = QStringLiteral("none: every multiplier is 1.00");
    }
    return texts;
}

double DrawRanking(QPainter& painter, const QRectF& area, const lifting::MultiTaskJob& job,
                   const lifting::MultiTaskResult& result) {
    double y = area.top();
    painter.setPen(kInk);
    painter.setFont(ReportFont(11, true));
    DrawReportLine(painter, QRectF(area.left(), y, area.width(), 15),
                   QStringLiteral("What to change first"));
    y += 17;
    painter.setFont(ReportFont(8));
    painter.setPen(kMuted);
    y += DrawWrapped(painter, QPointF(area.left(), y), area.width(),
                     QString::fromUtf8(kExplained).arg(kAdvisedTasks), 2) +
         6;
    const std::vector<lifting::TaskAdvice> ranking = lifting::RedesignTasks(job, result);
    if (ranking.empty()) {
        painter.setPen(kWarning);
        DrawReportLine(painter, QRectF(area.left(), y, area.width(), kRowHeight),
                       QStringLiteral("No ranking: %1.").arg(result.problem));
        return y + kRowHeight;
    }
    QStringList whyNot;
    if (!result.cli)
        whyNot << QStringLiteral("No shares: no composite lifting index: %1.").arg(result.problem);
    // Tasks whose change gives no CLI for the same reason share a line, by
    // their places in the ranking.
    std::vector<std::pair<QString, QStringList>> noCliAfter;
    for (std::size_t k = 0; k < std::min(ranking.size(), kAdvisedTasks); ++k) {
        const lifting::TaskAdvice& advice = ranking[k];
        if (!advice.costliest || advice.cliAfter)
            continue;
        const auto same = std::find_if(noCliAfter.begin(), noCliAfter.end(), [&](const auto& why) {
            return why.first == advice.whyNoCliAfter;
        });
        (same == noCliAfter.end() ? noCliAfter.emplace_back(advice.whyNoCliAfter, QStringList())
                                  : *same)
                .second
            << QString::number(k + 1);
    }
    for (const auto& [why, places] : noCliAfter)
        whyNot << QStringLiteral("%1 %2: no CLI after the change: %3.")
                      .arg(places.size() == 1 ? QStringLiteral("Task ranked")
                                              : QStringLiteral("Tasks ranked"),
                           places.join(QStringLiteral(", ")), why);
    // Rows close up where a long job and its notes would run past the area,
    // down to what the font needs.
    const double rowHeight =
        std::clamp((area.bottom() - y - static_cast<double>(whyNot.size()) * kRowHeight) /
                       static_cast<double>(ranking.size() + 1),
                   kTightRowHeight, kRowHeight);
    auto row = [&](const std::array<QString, kWidths.size()>& texts) {
        double x = area.left();
        for (std::size_t c = 0; c < texts.size(); ++c) {
            const double width = kWidths[c] * area.width();
            // Names and words from the left, figures from the right.
            const bool words = c == 1 || c == 4 || c == 5;
            DrawReportLine(painter, QRectF(x, y, width - 6, rowHeight), texts[c],
                           words ? Qt::AlignLeft : Qt::AlignRight);
            x += width;
        }
        y += rowHeight;
    };
    painter.setPen(kInk);
    painter.setFont(ReportFont(8, true));
    std::array<QString, kWidths.size()> headers{QStringLiteral("#")};
    for (std::size_t c = 0; c < kRankingHeaders.size(); ++c)
        headers[c + 1] = QString::fromUtf8(kRankingHeaders[c]);
    row(headers);
    DrawRule(painter, area.left(), area.right(), y);
    painter.setFont(ReportFont(8));
    for (std::size_t k = 0; k < ranking.size(); ++k) {
        const lifting::TaskAdvice& advice = ranking[k];
        const auto texts = RankingTexts(job, advice);
        std::array<QString, kWidths.size()> cells{QString::number(k + 1)};
        // Below the first few only what each adds.
        const std::size_t shown = k < kAdvisedTasks ? texts.size() : 3;
        std::copy_n(texts.begin(), shown, cells.begin() + 1);
        row(cells);
    }
    DrawRule(painter, area.left(), area.right(), y);
    painter.setPen(kWarning);
    for (const QString& line : whyNot) {
        DrawReportLine(painter, QRectF(area.left(), y, area.width(), kRowHeight), line);
        y += kRowHeight;
    }
    return y;
}

} // namespace app
