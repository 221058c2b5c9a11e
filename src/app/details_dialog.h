#pragma once

#include "lifting/job_file.h"

#include <QDate>

#include <optional>

class QWidget;

namespace app {

// Details of a job that starts now: today's date, the rest empty.
lifting::JobDetails NewDetails(QDate today = QDate::currentDate());

// The "Job Details" dialog over parent, filled in with details. The details
// as edited once the user presses OK, or nothing when they cancel. OK waits
// for a date in the ISO 8601 form (2026-12-08) or no date at all.
std::optional<lifting::JobDetails> EditDetails(QWidget* parent, const lifting::JobDetails& details);

} // namespace app
