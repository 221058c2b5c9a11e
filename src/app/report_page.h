#pragma once

#include "lifting/bands.h"
#include "lifting/job_file.h"

#include <QColor>
#include <QFont>
#include <QLatin1StringView>
#include <QRectF>
#include <QString>

#include <array>
#include <optional>

class QPainter;

// The report of one job: a landscape page with the job's details, the sheet
// drawn by the window itself, its results in a table, what each lifting index
// means, and a footer naming the file, the date of printing and the version;
// then a page of what to change first.
namespace app {

struct ReportInput {
    // The job, with the cells as they were shown when it was saved (or as the
    // window shows them now).
    lifting::JobFile job;
    // The job file it came from or was saved to; empty for a job never saved.
    QString fileName;
};

// The pages of the report: the sheet's, then, where the job is calculated,
// what to change first at each end.
int ReportPageCount(const ReportInput& input);

// Draws page `page` (from 0) onto the painter's device (a PDF writer or a
// printer), over its whole paintable area. The job is entered on a window
// that is never shown, so the first page holds what the window shows for it.
void PaintReport(QPainter& painter, const ReportInput& input, int page);

// The reports' inks: text, what is said beside it, rules, and warnings.
inline const QColor kInk(0, 0, 0);
inline const QColor kMuted(90, 90, 90);
inline const QColor kRule(160, 160, 160);
inline const QColor kWarning(150, 0, 0);

// The reports' lettering: a font of points on paper, and one line of text in
// rect, elided where it is too long.
QFont ReportFont(int points, bool bold = false);
void DrawReportLine(QPainter& painter, const QRectF& rect, const QString& text,
                    Qt::Alignment align = Qt::AlignLeft);
// The text wrapped into the width from top, at most maxLines lines (the last
// one elided when it goes on); returns the height used.
double DrawWrapped(QPainter& painter, const QPointF& top, double width, const QString& text,
                   int maxLines);
// A thin grey line across from x1 to x2.
void DrawRule(QPainter& painter, double x1, double x2, double y, double width = 0.5);
QColor BandColor(const lifting::Band& band);

// What the units of a job are called on a page.
struct UnitNames {
    const char* system;
    const char* length;
    const char* mass;
};
UnitNames UnitNamesOf(lifting::Units units);
// "Good", "Fair" or "Poor".
QLatin1StringView CouplingName(lifting::Coupling coupling);
// "U.S. customary (in, lb)  ·  Work duration up to 1 hour  ·  Coupling Good",
// without the coupling where there is none for the whole job.
QString JobSummary(lifting::Units units, lifting::Duration duration,
                   std::optional<lifting::Coupling> coupling);

// The head of a page: left and right above the job's title, and its task,
// analyst, date and notes in fields ruled as on a paper form, over the area,
// kReportHeaderHeight points high.
inline constexpr double kReportHeaderHeight = 104;
void DrawReportHeader(QPainter& painter, const QRectF& area, const lifting::JobDetails& details,
                      const QString& left, const QString& right);
// "File job.liftjob", or that the job was never saved.
QString FileWords(const QString& fileName);
// The foot of a page: where the job came from, the date of printing and the
// program's version, kReportFooterHeight points high.
inline constexpr double kReportFooterHeight = 12;
void DrawReportFooter(QPainter& painter, const QRectF& area, const QString& source);

// The rows of the report's table: each names two cells of the sheet (the
// same one twice where both ends share it).
struct ReportRow {
    enum class Unit { None, Length, Mass, Degrees, Rate };
    const char* label;
    Unit unit;
    lifting::Cell origin;
    lifting::Cell destination;
    bool opensGroup;
    bool result;
};
inline constexpr std::array<ReportRow, 15> kReportRows{{
    {"Object weight L(AVG), L(Max)", ReportRow::Unit::Mass, lifting::Cell::LoadAvg,
     lifting::Cell::LoadMax, true, false},
    {"Horizontal location H", ReportRow::Unit::Length, lifting::Cell::OriginH,
     lifting::Cell::DestinationH, false, false},
    {"Vertical location V", ReportRow::Unit::Length, lifting::Cell::OriginV,
     lifting::Cell::DestinationV, false, false},
    {"Vertical travel distance D", ReportRow::Unit::Length, lifting::Cell::Distance,
     lifting::Cell::Distance, false, false},
    {"Asymmetric angle A", ReportRow::Unit::Degrees, lifting::Cell::OriginA,
     lifting::Cell::DestinationA, false, false},
    {"Frequency F", ReportRow::Unit::Rate, lifting::Cell::Frequency, lifting::Cell::Frequency,
     false, false},
    {"Horizontal multiplier HM", ReportRow::Unit::None, lifting::Cell::HmOrigin,
     lifting::Cell::HmDestination, true, false},
    {"Vertical multiplier VM", ReportRow::Unit::None, lifting::Cell::VmOrigin,
     lifting::Cell::VmDestination, false, false},
    {"Distance multiplier DM", ReportRow::Unit::None, lifting::Cell::DmOrigin,
     lifting::Cell::DmDestination, false, false},
    {"Asymmetric multiplier AM", ReportRow::Unit::None, lifting::Cell::AmOrigin,
     lifting::Cell::AmDestination, false, false},
    {"Frequency multiplier FM", ReportRow::Unit::None, lifting::Cell::FmOrigin,
     lifting::Cell::FmDestination, false, false},
    {"Coupling multiplier CM", ReportRow::Unit::None, lifting::Cell::CmOrigin,
     lifting::Cell::CmDestination, false, false},
    {"Load constant LC", ReportRow::Unit::Mass, lifting::Cell::LcOrigin,
     lifting::Cell::LcDestination, true, false},
    {"Recommended weight limit RWL", ReportRow::Unit::Mass, lifting::Cell::RwlOrigin,
     lifting::Cell::RwlDestination, false, true},
    {"Lifting index LI", ReportRow::Unit::None, lifting::Cell::LiOrigin,
     lifting::Cell::LiDestination, false, true},
}};
// "Horizontal location H (in)"
QString LabelOf(const ReportRow& row, const UnitNames& names);

} // namespace app
