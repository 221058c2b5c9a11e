#include "lifting/job.h"

#include "lifting/sheet_engine.h"

namespace lifting {
namespace {

constexpr std::array<std::string_view, kEntryCount> kKeys{
    "lavg",          "lmax",     "origin_h",      "origin_v",  "destination_h",
    "destination_v", "origin_a", "destination_a", "frequency",
};

} // namespace

std::string_view KeyOf(Entry entry) {
    return kKeys[static_cast<std::size_t>(entry)];
}

QString CellName(Cell cell) {
    return QStringLiteral("Picture%1").arg(static_cast<int>(cell));
}

Shown Evaluate(const Job& job, bool calculated) {
    SheetEngine sheet;
    sheet.EnterJob(job, calculated);
    return sheet.Texts();
}

} // namespace lifting
