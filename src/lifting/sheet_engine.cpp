#include "lifting/sheet_engine.h"

#include "lifting/numbers.h"

#include <array>

namespace lifting {
namespace {

constexpr std::uint32_t Bit(Cell cell) {
    return std::uint32_t{1} << (static_cast<int>(cell) - 1);
}

constexpr std::uint16_t Bit(Entry entry) {
    return static_cast<std::uint16_t>(1u << static_cast<unsigned>(entry));
}

} // namespace

SheetEngine::SheetEngine(TypedTexts texts) : keepTexts_(texts == TypedTexts::Kept) {
    Reset();
}

QString& SheetEngine::TextOf(Entry entry) {
    // Where each entry's text is kept, by lifting::Entry.
    static constexpr std::array<QString SheetEngine::*, kEntryCount> kTexts{
        &SheetEngine::MyvalueLavg, &SheetEngine::MyvalueLmax, &SheetEngine::strOriginH,
        &SheetEngine::myvalueHOV,  &SheetEngine::strDestinH,  &SheetEngine::myvalueHDV,
        &SheetEngine::strOriginA,  &SheetEngine::strDestinA,  &SheetEngine::myvalueFR,
    };
    return this->*kTexts[static_cast<std::size_t>(entry)];
}

const QString& SheetEngine::TextOf(Entry entry) const {
    return const_cast<SheetEngine*>(this)->TextOf(entry);
}

Reading SheetEngine::Enter(Entry entry, const QString& text) {
    return EnterText(entry, text);
}

Reading SheetEngine::Enter(Entry entry, QLatin1StringView text) {
    return EnterText(entry, text);
}

template <typename Chars> Reading SheetEngine::EnterText(Entry entry, const Chars& text) {
    Reading reading = ReadEntry(text, entry, units_);
    // The reading's number is the text's Val, but for the sign of a zero,
    // which the cells show.
    if (reading.value)
        Take(entry, text, *reading.value != 0 ? *reading.value : Val(text));
    return reading;
}

template <typename Chars> void SheetEngine::Take(Entry entry, const Chars& text, double value) {
    // A text of bytes goes into the room the last one left.
    if (keepTexts_)
        TextOf(entry) = text;
    made_ |= Bit(entry);
    Set(CellOf(entry), {Content::Kind::Typed, entry, {}});
    numbers_[static_cast<std::size_t>(entry)] = value;
    switch (entry) {
    case Entry::LoadAvg:
    case Entry::LoadMax:
        break;
    case Entry::OriginH:
    case Entry::DestinationH: {
        const bool origin = entry == Entry::OriginH;
        const HorizontalEntry read = ReadHorizontal(value, units_);
        (origin ? intOriginH : intDestinH) = read.whole;
        float& hm = origin ? hmVARo2 : hmVARd2;
        hm = read.hm;
        SetNumber(origin ? Cell::HmOrigin : Cell::HmDestination, MultiplierFigure(hm));
        break;
    }
    case Entry::OriginV:
    case Entry::DestinationV: {
        const bool origin = entry == Entry::OriginV;
        const VerticalEntry read = ReadVertical(value, units_);
        (origin ? vmVARo1 : vmVARd1) = read.v;
        float& vm = origin ? vmVARo2 : vmVARd2;
        vm = read.vm;
        SetNumber(origin ? Cell::VmOrigin : Cell::VmDestination, MultiplierFigure(vm));
        break;
    }
    case Entry::OriginA:
    case Entry::DestinationA: {
        const bool origin = entry == Entry::OriginA;
        float& am = origin ? amVARo2 : amVARd2;
        am = ReadAngle(value);
        SetNumber(origin ? Cell::AmOrigin : Cell::AmDestination, MultiplierFigure(am));
        break;
    }
    case Entry::Frequency:
        // The cell shows the rate as read, not as typed.
        SetNumber(Cell::Frequency, FrequencyFigure(value));
        SelectFrequencyMultipliers();
        break;
    }
}

void SheetEngine::SelectDuration(Duration duration) {
    duration_ = duration;
    SelectFrequencyMultipliers();
}

void SheetEngine::SelectCoupling(Coupling coupling) {
    coupling_ = coupling;
    ComputeCouplingMultiplier();
}

void SheetEngine::SwitchUnits(Units units) {
    const Duration duration = duration_;
    const Coupling coupling = coupling_;
    Reset(units);
    duration_ = duration;
    coupling_ = coupling;
}

void SheetEngine::SelectFrequencyMultipliers() {
    const FrequencyResult fm = SelectFrequency(NumberOf(Entry::Frequency), NumberOf(Entry::OriginV),
                                               NumberOf(Entry::DestinationV), units_, duration_);
    fMvardo = fm.origin;
    fMvardd = fm.destination;
    SetNumber(Cell::FmOrigin, MultiplierFigure(fMvardo));
    SetNumber(Cell::FmDestination, MultiplierFigure(fMvardd));
}

void SheetEngine::ComputeDistanceMultiplier() {
    const DistanceResult d =
        ReadDistance(NumberOf(Entry::OriginV), NumberOf(Entry::DestinationV), units_);
    SetNumber(Cell::Distance, DistanceFigure(d.d));
    dmvar = d.dm;
    SetNumber(Cell::DmOrigin, MultiplierFigure(dmvar));
    SetNumber(Cell::DmDestination, MultiplierFigure(dmvar));
}

void SheetEngine::ComputeCouplingMultiplier() {
    cmvaro = CouplingMultiplier(coupling_, NumberOf(Entry::OriginV), units_);
    cmvard = CouplingMultiplier(coupling_, NumberOf(Entry::DestinationV), units_);
    SetNumber(Cell::CmOrigin, MultiplierFigure(cmvaro));
    SetNumber(Cell::CmDestination, MultiplierFigure(cmvard));
}

void SheetEngine::ShowLoadConstant() {
    SetNumber(Cell::LcOrigin, LoadConstantFigure(units_));
    SetNumber(Cell::LcDestination, LoadConstantFigure(units_));
}

void SheetEngine::Calculate() {
    ShowLoadConstant();
    ComputeDistanceMultiplier();
    ComputeCouplingMultiplier();
    ComputeRwlAndLiftingIndex();
    calculated_ = true;
}

void SheetEngine::ComputeRwlAndLiftingIndex() {
    const std::int16_t lc = SystemOf(units_).loadConstant;
    rwlORIGIN = Rwl(lc, {hmVARo2, vmVARo2, dmvar, amVARo2, fMvardo, cmvaro});
    rwlDESTIN = Rwl(lc, {hmVARd2, vmVARd2, dmvar, amVARd2, fMvardd, cmvard});
    // L(AVG) goes over the origin's RWL and L(Max) over the destination's.
    const auto index = [](double weight, float rwl) -> Content {
        const std::optional<float> li = LiftingIndex(weight, rwl);
        if (!li)
            return {Content::Kind::NoLiftingIndex, Entry::LoadAvg, {}};
        return {Content::Kind::Number, Entry::LoadAvg, LiftingIndexFigure(*li)};
    };
    SetNumber(Cell::RwlOrigin, RwlFigure(rwlORIGIN));
    SetNumber(Cell::RwlDestination, RwlFigure(rwlDESTIN));
    Set(Cell::LiOrigin, index(NumberOf(Entry::LoadAvg), rwlORIGIN));
    Set(Cell::LiDestination, index(NumberOf(Entry::LoadMax), rwlDESTIN));
    SetNumber(Cell::WeightOrigin, WeightFigure(NumberOf(Entry::LoadAvg)));
    SetNumber(Cell::RwlUnderWeightOrigin, RwlFigure(rwlORIGIN));
    SetNumber(Cell::WeightDestination, WeightFigure(NumberOf(Entry::LoadMax)));
    SetNumber(Cell::RwlUnderWeightDestination, RwlFigure(rwlDESTIN));
}

void SheetEngine::Reset(Units units) {
    // Texts keep their room for the next job.
    if (keepTexts_)
        for (std::size_t e = 0; e < kEntryCount; ++e)
            TextOf(static_cast<Entry>(e)).resize(0);
    numbers_.fill(0); // Val of an empty text
    intOriginH = intDestinH = 0;
    for (float* f : {&hmVARo2, &hmVARd2, &vmVARo1, &vmVARd1, &vmVARo2, &vmVARd2, &dmvar, &amVARo2,
                     &amVARd2, &fMvardo, &fMvardd, &cmvaro, &cmvard, &rwlORIGIN, &rwlDESTIN})
        *f = 0;
    units_ = units;
    duration_ = Duration::UpToOneHour;
    coupling_ = Coupling::Good;
    made_ = 0;
    calculated_ = false;
    Clear();
    ShowLoadConstant();
}

void SheetEngine::Start(Units units, Duration duration, Coupling coupling) {
    // A unit switch in a sheet just started gives a sheet just started in
    // those units.
    Reset(units);
    if (duration != duration_)
        SelectDuration(duration);
    if (coupling != coupling_)
        SelectCoupling(coupling);
}

void SheetEngine::EnterJob(const Job& job, bool calculated) {
    Start(job.units, job.duration, job.coupling);
    for (const Entry entry : kEntryOrder) {
        if (const std::optional<QString>& typed = job[entry])
            Enter(entry, *typed);
    }
    if (calculated)
        Calculate();
}

Job SheetEngine::EnteredJob() const {
    Job job{units_, duration_, coupling_, {}};
    for (std::size_t e = 0; e < kEntryCount; ++e) {
        if (made_ & Bit(static_cast<Entry>(e)))
            job.entries[e] = TextOf(static_cast<Entry>(e));
    }
    return job;
}

QString SheetEngine::Text(Cell cell) const {
    const Content& content = cells_[cell];
    switch (content.kind) {
    case Content::Kind::Empty:
        break;
    case Content::Kind::Typed:
        return TextOf(content.typed);
    case Content::Kind::Number:
        return Format(content.number);
    case Content::Kind::NoLiftingIndex:
        return QString::fromLatin1(kNoLiftingIndex);
    }
    return {};
}

Shown SheetEngine::Texts() const {
    Shown shown;
    for (int number = 1; number <= kCellCount; ++number)
        shown[CellAt(number)] = Text(CellAt(number));
    return shown;
}

void SheetEngine::Set(Cell cell, const Content& content) {
    cells_[cell] = content;
    changed_ |= Bit(cell);
}

void SheetEngine::SetNumber(Cell cell, const Figure& figure) {
    Set(cell, {Content::Kind::Number, Entry::LoadAvg, figure});
}

void SheetEngine::Clear() {
    cells_ = {};
    changed_ = ~std::uint32_t{0};
}

} // namespace lifting
