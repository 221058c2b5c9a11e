#include "lifting/job.h"

#include "lifting/numbers.h"
#include "lifting/sheet_engine.h"

namespace lifting {
namespace {

constexpr std::array<std::string_view, kEntryCount> kKeys{
    "lavg",          "lmax",     "origin_h",      "origin_v",  "destination_h",
    "destination_v", "origin_a", "destination_a", "frequency",
};

Content TypedContent(Entry entry) {
    return {Content::Kind::Typed, entry, {}};
}

Content NumberContent(const Figure& figure) {
    return {Content::Kind::Number, Entry::LoadAvg, figure};
}

// The worksheet's state and cells while a job is entered, changed as the
// window's procedures change them.
class Replay {
  public:
    Replay(const JobNumbers& job, Sheet* sheet) : job_(job), u_(job.units), sheet_(*sheet) {}

    void Run(bool calculated) {
        // Start-up shows the load constant; a unit switch clears the other
        // cells, which are still empty here.
        ShowLoadConstant();
        // The option clicks fill FM and CM from the entries made so far
        // (none); a frequency entry fills FM again, and CALCULATE CM, from
        // the same state but the entries, so the clicks are left out there.
        if (job_.duration != Duration::UpToOneHour && !job_[Entry::Frequency])
            RecomputeFrequency();
        if (job_.coupling != Coupling::Good && !calculated)
            ComputeCoupling();
        for (const Entry entry : kEntryOrder) {
            if (const std::optional<double>& typed = job_[entry])
                Enter(entry, *typed);
        }
        if (calculated) {
            ShowLoadConstant();
            ComputeDistance();
            ComputeCoupling();
            ComputeRwl();
        }
    }

  private:
    void Enter(Entry entry, double typed) {
        switch (entry) {
        case Entry::LoadAvg:
            lavg_ = typed;
            sheet_[CellOf(entry)] = TypedContent(entry);
            break;
        case Entry::LoadMax:
            lmax_ = typed;
            sheet_[CellOf(entry)] = TypedContent(entry);
            break;
        case Entry::OriginH:
            hmO_ = Show(entry, Cell::HmOrigin, ReadHorizontal(typed, u_).hm);
            break;
        case Entry::DestinationH:
            hmD_ = Show(entry, Cell::HmDestination, ReadHorizontal(typed, u_).hm);
            break;
        case Entry::OriginV:
            vO_ = typed;
            vmO_ = Show(entry, Cell::VmOrigin, ReadVertical(typed, u_).vm);
            break;
        case Entry::DestinationV:
            vD_ = typed;
            vmD_ = Show(entry, Cell::VmDestination, ReadVertical(typed, u_).vm);
            break;
        case Entry::OriginA:
            amO_ = Show(entry, Cell::AmOrigin, ReadAngle(typed));
            break;
        case Entry::DestinationA:
            amD_ = Show(entry, Cell::AmDestination, ReadAngle(typed));
            break;
        case Entry::Frequency:
            frequency_ = typed;
            sheet_[Cell::Frequency] = NumberContent(FrequencyFigure(typed));
            RecomputeFrequency();
            break;
        }
    }

    // Shows an entry as typed and the multiplier it gives, and returns that.
    float Show(Entry entry, Cell multiplierCell, float multiplier) {
        sheet_[CellOf(entry)] = TypedContent(entry);
        sheet_[multiplierCell] = NumberContent(MultiplierFigure(multiplier));
        return multiplier;
    }

    void RecomputeFrequency() {
        const FrequencyResult fm = SelectFrequency(frequency_, vO_, vD_, u_, job_.duration);
        fmO_ = fm.origin;
        fmD_ = fm.destination;
        sheet_[Cell::FmOrigin] = NumberContent(MultiplierFigure(fmO_));
        sheet_[Cell::FmDestination] = NumberContent(MultiplierFigure(fmD_));
    }

    void ShowLoadConstant() {
        sheet_[Cell::LcOrigin] = NumberContent(LoadConstantFigure(u_));
        sheet_[Cell::LcDestination] = NumberContent(LoadConstantFigure(u_));
    }

    void ComputeDistance() {
        const DistanceResult d = ReadDistance(vO_, vD_, u_);
        dm_ = d.dm;
        sheet_[Cell::Distance] = NumberContent(DistanceFigure(d.d));
        sheet_[Cell::DmOrigin] = NumberContent(MultiplierFigure(dm_));
        sheet_[Cell::DmDestination] = NumberContent(MultiplierFigure(dm_));
    }

    void ComputeCoupling() {
        cmO_ = CouplingMultiplier(job_.coupling, vO_, u_);
        cmD_ = CouplingMultiplier(job_.coupling, vD_, u_);
        sheet_[Cell::CmOrigin] = NumberContent(MultiplierFigure(cmO_));
        sheet_[Cell::CmDestination] = NumberContent(MultiplierFigure(cmD_));
    }

    void ComputeRwl() {
        const std::int16_t lc = SystemOf(u_).loadConstant;
        const float origin = Rwl(lc, {hmO_, vmO_, dm_, amO_, fmO_, cmO_});
        const float destination = Rwl(lc, {hmD_, vmD_, dm_, amD_, fmD_, cmD_});
        sheet_[Cell::RwlOrigin] = NumberContent(RwlFigure(origin));
        sheet_[Cell::RwlDestination] = NumberContent(RwlFigure(destination));
        sheet_[Cell::LiOrigin] = IndexContent(lavg_, origin);
        sheet_[Cell::LiDestination] = IndexContent(lmax_, destination);
        sheet_[Cell::WeightOrigin] = NumberContent(WeightFigure(lavg_));
        sheet_[Cell::RwlUnderWeightOrigin] = sheet_[Cell::RwlOrigin];
        sheet_[Cell::WeightDestination] = NumberContent(WeightFigure(lmax_));
        sheet_[Cell::RwlUnderWeightDestination] = sheet_[Cell::RwlDestination];
    }

    static Content IndexContent(double weight, float rwl) {
        const std::optional<float> index = LiftingIndex(weight, rwl);
        return index ? NumberContent(LiftingIndexFigure(*index))
                     : Content{Content::Kind::NoLiftingIndex, Entry::LoadAvg, {}};
    }

    const JobNumbers& job_;
    const Units u_;
    Sheet& sheet_;
    // What the entries read as; 0 before they are made.
    double lavg_ = 0, lmax_ = 0, vO_ = 0, vD_ = 0, frequency_ = 0;
    float hmO_ = 0, hmD_ = 0, vmO_ = 0, vmD_ = 0, dm_ = 0, amO_ = 0, amD_ = 0;
    float fmO_ = 0, fmD_ = 0, cmO_ = 0, cmD_ = 0;
};

} // namespace

std::string_view KeyOf(Entry entry) {
    return kKeys[static_cast<std::size_t>(entry)];
}

QString CellName(Cell cell) {
    return QStringLiteral("Picture%1").arg(static_cast<int>(cell));
}

JobNumbers NumbersOf(const Job& job) {
    JobNumbers numbers{job.units, job.duration, job.coupling, {}};
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        if (const std::optional<QString>& typed = job.entries[i])
            numbers.entries[i] = Val(*typed);
    }
    return numbers;
}

Sheet Solve(const JobNumbers& job, bool calculated) {
    Sheet sheet;
    Replay(job, &sheet).Run(calculated);
    return sheet;
}

Shown Evaluate(const Job& job, bool calculated) {
    SheetEngine sheet;
    sheet.EnterJob(job, calculated);
    return sheet.Texts();
}

} // namespace lifting
