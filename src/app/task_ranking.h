#pragma once

#include "lifting/multitask_redesign.h"

#include <QRectF>
#include <QString>

#include <array>
#include <cstddef>

class QPainter;

// What to change first in a multi-task job, as the Multi-Task Job window and
// its report show it: the tasks by what each adds to the CLI, and for each
// its costliest factor, that factor's change and the CLI after it.
namespace app {

inline constexpr std::array kRankingHeaders{"Task",   "Adds to CLI", "Share", "Costliest factor",
                                            "Change", "CLI after"};
// The report names the change of this many tasks at the top.
inline constexpr std::size_t kAdvisedTasks = 5;

// A task's row, by kRankingHeaders.
std::array<QString, kRankingHeaders.size()> RankingTexts(const lifting::MultiTaskJob& job,
                                                         const lifting::TaskAdvice& advice);

// The report's section "What to change first" from the top of area, its rows
// closed up where needed to end above area's bottom; returns where it ends.
double DrawRanking(QPainter& painter, const QRectF& area, const lifting::MultiTaskJob& job,
                   const lifting::MultiTaskResult& result);

} // namespace app
