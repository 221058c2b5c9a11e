#include "app/report_page.h"

#include "app/cell_words.h"
#include "lifting/bands.h"
#include "lifting/multitask.h"
#include "lifting/no_index.h"
#include "lifting/numbers.h"
#include "lifting/redesign.h"
#include "lifting/rules.h"
#include "window/fonts.h"
#include "worksheet/form1.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QPainter>
#include <QRegularExpression>
#include <QTextLayout>

#include <array>
#include <vector>

namespace app {
namespace {

using lifting::Cell;

// Page measures are in points (1/72 inch).
constexpr double kGap = 12;
constexpr double kRowHeight = 14;
// The table and the meaning of the indices need this much beside the sheet.
constexpr double kRightColumn = 290;
constexpr double kValueColumn = 58;

// The text with each of its line breaks, of any system, as the one given.
QString WithBreaks(QString text, QChar lineBreak) {
    static const QRegularExpression kBreaks(QStringLiteral("\r\n|\r|\n"));
    return text.replace(kBreaks, lineBreak);
}

} // namespace

double DrawWrapped(QPainter& painter, const QPointF& top, double width, const QString& text,
                   int maxLines) {
    const QString flowing = WithBreaks(text, QChar::LineSeparator);
    QTextLayout layout(flowing, painter.font(), painter.device());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    const QFontMetricsF metrics(painter.font(), painter.device());
    double y = 0;
    int lines = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (++lines == maxLines) {
            const QString rest = flowing.mid(line.textStart());
            const QString last = metrics.elidedText(
                rest.section(QChar::LineSeparator, 0, 0) +
                    (rest.contains(QChar::LineSeparator) ? QStringLiteral(" …") : QString()),
                Qt::ElideRight, width);
            painter.drawText(top + QPointF(0, y + metrics.ascent()), last);
            y += metrics.height();
            break;
        }
        painter.drawText(
            top + QPointF(0, y + metrics.ascent()),
            flowing.mid(line.textStart(), line.textLength()).remove(QChar::LineSeparator));
        y += metrics.height();
    }
    layout.endLayout();
    return y;
}

void DrawRule(QPainter& painter, double x1, double x2, double y, double width) {
    painter.save();
    painter.setPen(QPen(kRule, width));
    painter.drawLine(QPointF(x1, y), QPointF(x2, y));
    painter.restore();
}

UnitNames UnitNamesOf(lifting::Units units) {
    return units == lifting::Units::UsCustomary ? UnitNames{"U.S. customary", "in", "lb"}
                                                : UnitNames{"Metric", "cm", "kg"};
}

QLatin1StringView CouplingName(lifting::Coupling coupling) {
    // By lifting::Coupling.
    constexpr std::array kCouplings{"Good", "Fair", "Poor"};
    return QLatin1StringView(kCouplings.at(static_cast<std::size_t>(coupling)));
}

QString JobSummary(lifting::Units units, lifting::Duration duration,
                   std::optional<lifting::Coupling> coupling) {
    // By lifting::Duration and lifting::Coupling.
    constexpr std::array kDurations{"up to 1 hour", "over 1, up to 2 hours",
                                    "over 2, up to 8 hours"};
    const UnitNames names = UnitNamesOf(units);
    QString summary = QStringLiteral("%1 (%2, %3)  ·  Work duration %4")
                          .arg(QLatin1String(names.system), QLatin1String(names.length),
                               QLatin1String(names.mass),
                               QLatin1String(kDurations.at(static_cast<std::size_t>(duration))));
    if (coupling)
        summary += QStringLiteral("  ·  Coupling ") + CouplingName(*coupling);
    return summary;
}

QString LabelOf(const ReportRow& row, const UnitNames& names) {
    QString label = QString::fromUtf8(row.label);
    switch (row.unit) {
    case ReportRow::Unit::None:
        return label;
    case ReportRow::Unit::Length:
        return QStringLiteral("%1 (%2)").arg(label, QLatin1String(names.length));
    case ReportRow::Unit::Mass:
        return QStringLiteral("%1 (%2)").arg(label, QLatin1String(names.mass));
    case ReportRow::Unit::Degrees:
        return label + QStringLiteral(" (°)");
    case ReportRow::Unit::Rate:
        return label + QStringLiteral(" (lifts/min)");
    }
    return label;
}

QColor BandColor(const lifting::Band& band) {
    return {band.color.red, band.color.green, band.color.blue};
}

namespace {

// One end of the lift as the replayed sheet holds it.
struct End {
    const char* name;
    QString shownIndex;
    float rwl;
    std::array<float, 6> multipliers; // HM, VM, DM, AM, FM, CM
    std::optional<float> index;       // as lifting::ReadableIndex gives it
    QString whyNoIndex;               // in words, where there is none
};
constexpr std::array kMultiplierNames{"HM", "VM", "DM", "AM", "FM", "CM"};

struct Reading {
    const lifting::Band& band; // lifting::kNoIndexBand where no risk can be read
    QString text;
};

// What the end's lifting index means. Read from the index before it is
// rounded for the cell, so that 1.04, shown as 1.0, still reads as over 1.0;
// and never as a low risk where the index says nothing.
Reading Read(const End& end) {
    const lifting::Band& none = lifting::kNoIndexBand;
    const QString& shown = end.shownIndex;
    if (shown.isEmpty())
        return {none, QStringLiteral("no lifting index: the job was not calculated.")};
    if (!end.index && end.rwl > 0) // only a weight of 0 leaves such an RWL without an index
        return {none, QStringLiteral("%1: no lifting index can be given without an object "
                                     "weight above 0.")
                          .arg(shown)};
    if (!end.index)
        return {none, QStringLiteral("%1: no lifting index can be given, as the RWL is 0: %2.")
                          .arg(shown, end.whyNoIndex)};
    for (std::size_t i = 0; i < end.multipliers.size(); ++i) {
        if (end.multipliers[i] > 1.0f)
            return {none, QStringLiteral("%1: no risk can be read from it. %2 above 1.00 means an "
                                         "entry outside the equation's limits.")
                              .arg(shown, QLatin1String(kMultiplierNames[i]))};
    }
    const float index = *end.index;
    const lifting::Band& band = lifting::BandOf(index);
    if (&lifting::BandOf(shown.toDouble()) != &band)
        return {band, QStringLiteral("%1 (%2 before rounding): %3.")
                          .arg(shown, lifting::Str(index).trimmed(), QLatin1String(band.meaning))};
    return {band, QStringLiteral("%1: %2.").arg(shown, QLatin1String(band.meaning))};
}

} // namespace

void DrawReportHeader(QPainter& painter, const QRectF& area, const lifting::JobDetails& details,
                      const QString& left, const QString& right) {
    const double w = area.width();
    const double x = area.left();
    double y = area.top();

    painter.setPen(kMuted);
    painter.setFont(ReportFont(8));
    // The right-hand text takes what the left one leaves, so that a narrow
    // head elides neither before it must.
    const double leftWidth =
        std::min(w / 2, QFontMetricsF(painter.font(), painter.device()).horizontalAdvance(left));
    DrawReportLine(painter, QRectF(x, y, leftWidth, 10), left);
    DrawReportLine(painter, QRectF(x + leftWidth + 12, y, w - leftWidth - 12, 10), right,
                   Qt::AlignRight);
    y += 14;

    painter.setFont(ReportFont(16, true));
    painter.setPen(details.title.isEmpty() ? kMuted : kInk);
    DrawReportLine(painter, QRectF(x, y, w, 20),
                   details.title.isEmpty() ? QStringLiteral("Untitled job") : details.title);
    y += 26;

    // Blank fields stay on the page with their rule, as on a paper form.
    struct Field {
        const char* label;
        const QString& value;
        double from;
        double to;
    };
    const std::array fields{
        Field{"TASK OR DEPARTMENT", details.task, 0.0, 0.46},
        Field{"ANALYST", details.analyst, 0.49, 0.77},
        Field{"DATE", details.date, 0.80, 1.0},
    };
    for (const Field& field : fields) {
        const QRectF box(x + field.from * w, y, (field.to - field.from) * w, 24);
        painter.setFont(ReportFont(7));
        painter.setPen(kMuted);
        DrawReportLine(painter, QRectF(box.left(), box.top(), box.width(), 9),
                       QLatin1String(field.label));
        painter.setFont(ReportFont(10));
        painter.setPen(kInk);
        DrawReportLine(painter, QRectF(box.left(), box.top() + 9, box.width(), 13), field.value);
        DrawRule(painter, box.left(), box.right(), box.bottom());
    }
    y += 30;

    painter.setFont(ReportFont(7));
    painter.setPen(kMuted);
    DrawReportLine(painter, QRectF(x, y, w, 9), QStringLiteral("NOTES"));
    painter.setFont(ReportFont(9));
    painter.setPen(kInk);
    DrawWrapped(painter, QPointF(x, y + 9), w, details.notes, 2);
    DrawRule(painter, x, x + w, area.bottom() - 2);
}

namespace {

void DrawTable(QPainter& painter, const QRectF& area, const lifting::Shown& cells,
               const UnitNames& names) {
    const double valueX = area.right() - 2 * kValueColumn;
    double y = area.top();
    painter.setPen(kInk);
    painter.setFont(ReportFont(9, true));
    DrawReportLine(painter, QRectF(valueX, y, kValueColumn - 4, kRowHeight),
                   QStringLiteral("Origin"), Qt::AlignRight);
    DrawReportLine(painter, QRectF(valueX + kValueColumn, y, kValueColumn - 4, kRowHeight),
                   QStringLiteral("Destination"), Qt::AlignRight);
    y += kRowHeight;
    for (const ReportRow& row : kReportRows) {
        if (row.opensGroup)
            DrawRule(painter, area.left(), area.right(), y, 0.75);
        painter.setFont(ReportFont(9, row.result));
        DrawReportLine(painter, QRectF(area.left(), y, valueX - area.left() - 4, kRowHeight),
                       LabelOf(row, names));
        DrawReportLine(painter, QRectF(valueX, y, kValueColumn - 4, kRowHeight), cells[row.origin],
                       Qt::AlignRight);
        DrawReportLine(painter, QRectF(valueX + kValueColumn, y, kValueColumn - 4, kRowHeight),
                       cells[row.destination], Qt::AlignRight);
        y += kRowHeight;
    }
    DrawRule(painter, area.left(), area.right(), y, 0.75);
}

// The bands, then what this job's two indices mean.
void DrawMeaning(QPainter& painter, const QRectF& area, const std::array<End, 2>& ends) {
    double y = area.top();
    painter.setPen(kInk);
    painter.setFont(ReportFont(9, true));
    DrawReportLine(painter, QRectF(area.left(), y, area.width(), kRowHeight),
                   QStringLiteral("What the lifting index means"));
    y += kRowHeight;
    painter.setFont(ReportFont(8));
    for (const lifting::Band& band : lifting::kBands) {
        painter.setPen(kInk);
        DrawReportLine(painter, QRectF(area.left() + 12, y, 60, 11), QLatin1String(band.bound));
        DrawReportLine(painter, QRectF(area.left() + 72, y, area.width() - 72, 11),
                       QLatin1String(band.meaning));
        painter.setPen(Qt::NoPen);
        painter.setBrush(BandColor(band));
        painter.drawEllipse(QPointF(area.left() + 4, y + 5.5), 3, 3);
        y += 11;
    }
    y += 6;
    for (const End& end : ends) {
        const Reading reading = Read(end);
        painter.setPen(Qt::NoPen);
        painter.setBrush(BandColor(reading.band));
        painter.drawEllipse(QPointF(area.left() + 4, y + 6), 3.5, 3.5);
        painter.setPen(kInk);
        painter.setFont(ReportFont(9, true));
        DrawReportLine(painter, QRectF(area.left() + 12, y, 64, 12), QLatin1String(end.name));
        painter.setFont(ReportFont(9));
        y += DrawWrapped(painter, QPointF(area.left() + 76, y + 1), area.width() - 76, reading.text,
                         4) +
             4;
    }
    painter.setBrush(Qt::NoBrush);
}

void DrawSheet(QPainter& painter, Form1& sheet, const QRectF& area) {
    painter.save();
    painter.translate(area.topLeft());
    painter.scale(area.width() / sheet.width(), area.height() / sheet.height());
    // A style may paint a button's bevel into a cached pixmap, which would be
    // a blurred image on paper, unless the painter shears; a shear of a
    // billionth keeps every control in vectors and moves nothing visibly.
    painter.shear(0, 1e-9);
    // The window paints itself, so its texts stay texts on the page.
    sheet.render(&painter, QPoint(), QRegion(),
                 QWidget::DrawWindowBackground | QWidget::DrawChildren);
    painter.restore();
    painter.setPen(QPen(kRule, 0.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
}

} // namespace

QString FileWords(const QString& fileName) {
    return fileName.isEmpty() ? QStringLiteral("Not saved to a file")
                              : QStringLiteral("File %1").arg(QFileInfo(fileName).fileName());
}

void DrawReportFooter(QPainter& painter, const QRectF& area, const QString& source) {
    DrawRule(painter, area.left(), area.right(), area.top());
    painter.setFont(ReportFont(7));
    painter.setPen(kMuted);
    const double third = area.width() / 3;
    const QRectF line(area.left(), area.top() + 2, third, area.height() - 2);
    DrawReportLine(painter, line, source);
    DrawReportLine(
        painter, line.translated(third, 0),
        QStringLiteral("Printed %1")
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))),
        Qt::AlignHCenter);
    DrawReportLine(painter, line.translated(2 * third, 0),
                   QStringLiteral("%1 %2").arg(QCoreApplication::applicationName(),
                                               QCoreApplication::applicationVersion()),
                   Qt::AlignRight);
}

namespace {

// The columns of what to change first, by width in points; the last takes
// the rest of the line.
struct GuidanceColumn {
    const char* label;
    double width;
};
constexpr std::array kGuidanceColumns{
    GuidanceColumn{"Multiplier", 56},
    GuidanceColumn{"From", 74},
    GuidanceColumn{"Index at 1.00", 62},
    GuidanceColumn{"1.00 takes", 112},
    GuidanceColumn{"This change alone: index", 176},
    GuidanceColumn{"What to do", 0},
};

// What to change first at one end: its index, the heaviest object and the
// highest frequency for an index of 1.0, then its multipliers smallest first;
// returns the height used.
double DrawGuidance(QPainter& painter, const QRectF& area, const char* name,
                    const lifting::EndAdvice& end, const UnitNames& names) {
    double y = area.top();
    const lifting::Band& band = lifting::BandOf(end.index);
    painter.setPen(Qt::NoPen);
    painter.setBrush(BandColor(band));
    painter.drawEllipse(QPointF(area.left() + 4, y + 7), 3.5, 3.5);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(kInk);
    painter.setFont(ReportFont(10, true));
    DrawReportLine(
        painter, QRectF(area.left() + 12, y, area.width() - 12, 14),
        QStringLiteral("%1: lifting index %2, %3")
            .arg(QLatin1String(name), lifting::IndexText(end.index), QLatin1String(band.name)));
    y += 16;
    painter.setFont(ReportFont(9));
    if (!end.index) {
        return y - area.top() +
               DrawWrapped(painter, QPointF(area.left() + 12, y), area.width() - 12,
                           QStringLiteral("No figures can be given: %1.").arg(end.whyNoIndex), 3);
    }
    DrawReportLine(
        painter, QRectF(area.left() + 12, y, area.width() - 12, 12),
        QStringLiteral("Heaviest object for an index of 1.0: %1 %2  ·  Highest frequency of the FM "
                       "table for an index of at most 1.0: %3")
            .arg(lifting::RwlText(end.heaviest), QLatin1String(names.mass),
                 end.highestFrequency
                     ? lifting::Format(*end.highestFrequency) + QStringLiteral(" lifts/min")
                     : QStringLiteral("none")));
    y += 16;
    std::array<double, kGuidanceColumns.size()> x{};
    x[0] = area.left() + 12;
    for (std::size_t c = 1; c < x.size(); ++c)
        x[c] = x[c - 1] + kGuidanceColumns[c - 1].width;
    const double lastWidth = area.right() - x.back();
    painter.setFont(ReportFont(8, true));
    for (std::size_t c = 0; c < x.size(); ++c)
        DrawReportLine(
            painter,
            QRectF(x[c], y, c + 1 < x.size() ? kGuidanceColumns[c].width - 4 : lastWidth, 11),
            QLatin1String(kGuidanceColumns[c].label));
    y += 12;
    DrawRule(painter, x[0], area.right(), y);
    painter.setFont(ReportFont(8));
    for (const lifting::FactorAdvice& f : end.factors) {
        const std::array<QString, kGuidanceColumns.size() - 1> texts{
            lifting::NameOf(f.factor) + QLatin1Char(' ') + lifting::MultiplierText(f.multiplier),
            f.source,
            lifting::IndexText(f.indexIfIdeal),
            f.ideal,
            f.change ? QStringLiteral("%1: %2").arg(f.changeWords,
                                                    lifting::IndexText(f.indexAfterChange))
                     : QStringLiteral("at its best already"),
        };
        for (std::size_t c = 0; c < texts.size(); ++c)
            DrawReportLine(painter, QRectF(x[c], y + 1, kGuidanceColumns[c].width - 4, 10),
                           texts[c]);
        const QString todo =
            f.change ? f.advice + (f.shares.isEmpty() ? QString() : QLatin1Char(' ') + f.shares)
                     : QString();
        y += std::max(12.0, DrawWrapped(painter, QPointF(x.back(), y + 1), lastWidth, todo, 3) + 2);
    }
    DrawRule(painter, x[0], area.right(), y);
    return y - area.top();
}

// The second page: what to change first at each end.
void DrawRedesignPage(QPainter& painter, const QRectF& page, const ReportInput& input,
                      const std::array<lifting::EndAdvice, 2>& advice) {
    DrawReportFooter(
        painter,
        QRectF(page.left(), page.bottom() - kReportFooterHeight, page.width(), kReportFooterHeight),
        FileWords(input.fileName));
    double y = page.top();
    painter.setPen(kMuted);
    painter.setFont(ReportFont(8));
    DrawReportLine(painter, QRectF(page.left(), y, page.width(), 10),
                   input.job.details.title.isEmpty() ? QStringLiteral("Untitled job")
                                                     : input.job.details.title);
    y += 14;
    painter.setPen(kInk);
    painter.setFont(ReportFont(16, true));
    DrawReportLine(painter, QRectF(page.left(), y, page.width(), 20),
                   QStringLiteral("What to change first"));
    y += 24;
    painter.setFont(ReportFont(9));
    y += DrawWrapped(painter, QPointF(page.left(), y), page.width(),
                     QStringLiteral("The RWL is a product of its multipliers, so bringing one "
                                    "multiplier alone to 1.00 multiplies the index by it. This "
                                    "change alone: the index once that one entry is changed, "
                                    "worked out as the sheet does, with every multiplier the "
                                    "entry feeds."),
                     2) +
         kGap;
    const UnitNames names = UnitNamesOf(input.job.job.units);
    for (std::size_t e = 0; e < advice.size(); ++e) {
        y += DrawGuidance(painter, QRectF(page.left(), y, page.width(), page.bottom() - y),
                          e == 0 ? "Origin" : "Destination", advice[e], names) +
             kGap * 1.5;
    }
}

// Runs the page's painting in points over the device's whole area.
template <typename Paint> void InPoints(QPainter& painter, Paint paint) {
    painter.save();
    const QPaintDevice& device = *painter.device();
    const double scale = device.logicalDpiX() / 72.0;
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(QRectF(0, 0, device.width() / scale, device.height() / scale));
    painter.restore();
}

// The guidance of the job as the sheet enters it; none where it is not
// calculated.
std::optional<std::array<lifting::EndAdvice, 2>> GuidanceOf(const ReportInput& input) {
    lifting::SheetEngine sheet;
    std::vector<lifting::RefusedEntry> refused;
    sheet.EnterJob(lifting::EnterableJob(input.job.job, &refused), input.job.calculated);
    return lifting::Redesign(sheet);
}

} // namespace

QFont ReportFont(int points, bool bold) {
    QFont font = window::FontFor(window::Face::Default);
    // The painter's unit is the point, so pixels here are points on paper.
    font.setPixelSize(points);
    font.setStretch(QFont::Unstretched);
    font.setBold(bold);
    // Hinting would fit the glyphs to a screen's pixels, not to paper.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void DrawReportLine(QPainter& painter, const QRectF& rect, const QString& text,
                    Qt::Alignment align) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    const QString line = WithBreaks(text, u' ');
    painter.drawText(rect, static_cast<int>(align | Qt::AlignVCenter) | Qt::TextSingleLine,
                     metrics.elidedText(line, Qt::ElideRight, rect.width()));
}

namespace {

// The first page: the details, the sheet, its table and what its indices mean.
void PaintSheetPage(QPainter& painter, const QRectF& page, const ReportInput& input) {
    Form1 sheet;
    std::vector<lifting::RefusedEntry> refused;
    sheet.EnterJob(lifting::EnterableJob(input.job.job, &refused), input.job.calculated);
    const lifting::Shown cells = sheet.ShownCells();

    DrawReportHeader(
        painter, QRectF(page.left(), page.top(), page.width(), kReportHeaderHeight),
        input.job.details, sheet.windowTitle(),
        JobSummary(input.job.job.units, input.job.job.duration, input.job.job.coupling));
    const QRectF footer(page.left(), page.bottom() - kReportFooterHeight, page.width(),
                        kReportFooterHeight);
    DrawReportFooter(painter, footer, FileWords(input.fileName));

    // Notes over the footer: entries the sheet left unmade, else the cells
    // that show otherwise than the file kept (which the unmade entries would
    // explain).
    QString note;
    if (!refused.empty()) {
        note = QStringLiteral("Left unmade, as they are not numbers of 0 or more: %1. The page "
                              "shows the job without them.")
                   .arg(RefusedWords(refused).join(QStringLiteral(", ")));
    } else if (const std::vector<Cell> differing = lifting::DifferingCells(input.job.shown, cells);
               !differing.empty()) {
        QStringList words;
        for (const Cell cell : differing)
            words << CellWords(cell);
        // The cells came from a file, or from a sheet changed after its
        // last CALCULATE.
        note = QStringLiteral("This page shows the job as the worksheet enters it now; in the "
                              "sheet it came from, %1 of its cells showed otherwise: %2.")
                   .arg(differing.size())
                   .arg(words.join(QStringLiteral(", ")));
    }
    double bottom = footer.top() - kGap / 2;
    if (!note.isEmpty()) {
        painter.setFont(ReportFont(8));
        painter.setPen(kWarning);
        // Two lines hold the names of most cells that differ.
        const double height = 2 * QFontMetricsF(painter.font(), painter.device()).height();
        DrawWrapped(painter, QPointF(page.left(), bottom - height), page.width(), note, 2);
        bottom -= height;
    }

    const double top = page.top() + kReportHeaderHeight + kGap;
    const double ratio = static_cast<double>(sheet.height()) / sheet.width();
    const double sheetWidth = std::min(page.width() - kGap - kRightColumn, (bottom - top) / ratio);
    DrawSheet(painter, sheet, QRectF(page.left(), top, sheetWidth, sheetWidth * ratio));

    const QRectF right(page.left() + sheetWidth + kGap * 1.5, top,
                       page.width() - sheetWidth - kGap * 1.5, bottom - top);
    const UnitNames names = UnitNamesOf(input.job.job.units);
    DrawTable(painter, right, cells, names);
    std::array<End, 2> ends{
        End{"Origin",
            cells[Cell::LiOrigin],
            sheet.rwlORIGIN,
            {sheet.hmVARo2, sheet.vmVARo2, sheet.dmvar, sheet.amVARo2, sheet.fMvardo, sheet.cmvaro},
            {},
            {}},
        End{"Destination",
            cells[Cell::LiDestination],
            sheet.rwlDESTIN,
            {sheet.hmVARd2, sheet.vmVARd2, sheet.dmvar, sheet.amVARd2, sheet.fMvardd, sheet.cmvard},
            {},
            {}},
    };
    for (std::size_t e = 0; e < ends.size(); ++e)
        ends[e].index = lifting::ReadableIndex(sheet, e == 0, &ends[e].whyNoIndex);
    const double tableHeight = (kReportRows.size() + 1) * kRowHeight;
    DrawMeaning(painter, right.adjusted(0, tableHeight + kGap * 1.5, 0, 0), ends);
}

} // namespace

int ReportPageCount(const ReportInput& input) {
    return GuidanceOf(input) ? 2 : 1;
}

void PaintReport(QPainter& painter, const ReportInput& input, int page) {
    InPoints(painter, [&](const QRectF& area) {
        if (page == 0)
            PaintSheetPage(painter, area, input);
        else if (const auto advice = GuidanceOf(input))
            DrawRedesignPage(painter, area, input, *advice);
    });
}

} // namespace app
