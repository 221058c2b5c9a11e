#include "lifting/job.h"

#include "lifting/numbers.h"

namespace lifting {
namespace {

constexpr std::array<std::string_view, kEntryCount> kKeys{
    "lavg",          "lmax",     "origin_h",      "origin_v",  "destination_h",
    "destination_v", "origin_a", "destination_a", "frequency",
};

// The worksheet's state and cells while a job is entered, changed as the
// window's procedures change them.
class Replay {
  public:
    explicit Replay(const Job& job) : job_(job), u_(job.units) {}

    Shown Run(bool calculated) {
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
            if (const auto& typed = job_[entry])
                Enter(entry, *typed);
        }
        if (calculated) {
            ShowLoadConstant();
            ComputeDistance();
            ComputeCoupling();
            ComputeRwl();
        }
        return shown_;
    }

  private:
    void Enter(Entry entry, const QString& text) {
        switch (entry) {
        case Entry::LoadAvg:
            lavg_ = text;
            shown_[Cell::LoadAvg] = text;
            break;
        case Entry::LoadMax:
            lmax_ = text;
            shown_[Cell::LoadMax] = text;
            break;
        case Entry::OriginH:
            hmO_ = EnterH(text, Cell::OriginH, Cell::HmOrigin);
            break;
        case Entry::DestinationH:
            hmD_ = EnterH(text, Cell::DestinationH, Cell::HmDestination);
            break;
        case Entry::OriginV:
            vO_ = text;
            vmO_ = EnterV(text, Cell::OriginV, Cell::VmOrigin);
            break;
        case Entry::DestinationV:
            vD_ = text;
            vmD_ = EnterV(text, Cell::DestinationV, Cell::VmDestination);
            break;
        case Entry::OriginA:
            amO_ = EnterA(text, Cell::OriginA, Cell::AmOrigin);
            break;
        case Entry::DestinationA:
            amD_ = EnterA(text, Cell::DestinationA, Cell::AmDestination);
            break;
        case Entry::Frequency:
            frequency_ = text;
            shown_[Cell::Frequency] = FrequencyText(Val(text));
            RecomputeFrequency();
            break;
        }
    }

    float EnterH(const QString& text, Cell value, Cell multiplier) {
        shown_[value] = text;
        const float hm = ReadHorizontal(text, u_).hm;
        shown_[multiplier] = MultiplierText(hm);
        return hm;
    }

    float EnterV(const QString& text, Cell value, Cell multiplier) {
        shown_[value] = text;
        const float vm = ReadVertical(text, u_).vm;
        shown_[multiplier] = MultiplierText(vm);
        return vm;
    }

    float EnterA(const QString& text, Cell value, Cell multiplier) {
        shown_[value] = text;
        const float am = ReadAngle(text);
        shown_[multiplier] = MultiplierText(am);
        return am;
    }

    void RecomputeFrequency() {
        const FrequencyResult fm =
            SelectFrequency(Val(frequency_), Val(vO_), Val(vD_), u_, job_.duration);
        fmO_ = fm.origin;
        fmD_ = fm.destination;
        shown_[Cell::FmOrigin] = FrequencyMultiplierText(fmO_);
        shown_[Cell::FmDestination] = FrequencyMultiplierText(fmD_);
    }

    void ShowLoadConstant() {
        shown_[Cell::LcOrigin] = LoadConstantText(u_);
        shown_[Cell::LcDestination] = LoadConstantText(u_);
    }

    void ComputeDistance() {
        const DistanceResult d = ReadDistance(vO_, vD_, u_);
        dm_ = d.dm;
        shown_[Cell::Distance] = DistanceText(d.d);
        shown_[Cell::DmOrigin] = MultiplierText(dm_);
        shown_[Cell::DmDestination] = MultiplierText(dm_);
    }

    void ComputeCoupling() {
        cmO_ = CouplingMultiplier(job_.coupling, Val(vO_), u_);
        cmD_ = CouplingMultiplier(job_.coupling, Val(vD_), u_);
        shown_[Cell::CmOrigin] = MultiplierText(cmO_);
        shown_[Cell::CmDestination] = MultiplierText(cmD_);
    }

    void ComputeRwl() {
        const std::int16_t lc = SystemOf(u_).loadConstant;
        const float origin = Rwl(lc, {hmO_, vmO_, dm_, amO_, fmO_, cmO_});
        const float destination = Rwl(lc, {hmD_, vmD_, dm_, amD_, fmD_, cmD_});
        shown_[Cell::RwlOrigin] = RwlText(origin);
        shown_[Cell::RwlDestination] = RwlText(destination);
        shown_[Cell::LiOrigin] = LiftingIndexText(lavg_, origin);
        shown_[Cell::LiDestination] = LiftingIndexText(lmax_, destination);
        shown_[Cell::WeightOrigin] = WeightText(lavg_);
        shown_[Cell::RwlUnderWeightOrigin] = shown_[Cell::RwlOrigin];
        shown_[Cell::WeightDestination] = WeightText(lmax_);
        shown_[Cell::RwlUnderWeightDestination] = shown_[Cell::RwlDestination];
    }

    const Job& job_;
    const Units u_;
    Shown shown_;
    QString lavg_, lmax_, vO_, vD_, frequency_;
    float hmO_ = 0, hmD_ = 0, vmO_ = 0, vmD_ = 0, dm_ = 0, amO_ = 0, amD_ = 0;
    float fmO_ = 0, fmD_ = 0, cmO_ = 0, cmD_ = 0;
};

} // namespace

std::string_view KeyOf(Entry entry) {
    return kKeys[static_cast<std::size_t>(entry)];
}

std::optional<Entry> EntryOfKey(std::string_view key) {
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        if (kKeys[i] == key)
            return static_cast<Entry>(i);
    }
    return std::nullopt;
}

QString CellName(Cell cell) {
    return QStringLiteral("Picture%1").arg(static_cast<int>(cell));
}

Shown Evaluate(const Job& job, bool calculated) {
    return Replay(job).Run(calculated);
}

} // namespace lifting
