#include "handlers.h"

#include "sheet.h"
#include "worksheet/form1.h"

#include <QAbstractButton>

#include <benchmark/benchmark.h>

#include <array>
#include <string>

namespace bench {
namespace {

// Times one handler per iteration on a worksheet shown and painted; setup
// turns the worksheet into the handler call. The window repaints and settles
// between iterations, with the timers paused, as it does between a user's
// clicks. Both wall and CPU time are kept: on a shared machine the wall time
// also holds the waits for a core, the CPU time only the handler's own work.
template <typename Setup> void Measure(benchmark::State& state, Setup setup) {
    Form1 form;
    if (!ShowUntilPainted(form)) {
        state.SkipWithError("no first frame");
        return;
    }
    Settle();
    auto run = setup(form);
    for (auto _ : state) {
        const bool answered = run();
        state.PauseTiming();
        Settle();
        if (!answered) {
            state.SkipWithError("the dialog was not answered");
            break;
        }
        state.ResumeTiming();
    }
}

struct Entry {
    const char* name;
    Form1::Procedure procedure;
    const char* typed;
};

// Answers a user might type, inside each entry's limits.
constexpr std::array kEntries{
    Entry{"EnterOriginH", &Form1::EnterOriginH, "12"},
    Entry{"EnterDestinationH", &Form1::EnterDestinationH, "20"},
    Entry{"EnterOriginV", &Form1::EnterOriginV, "20"},
    Entry{"EnterDestinationV", &Form1::EnterDestinationV, "50"},
    Entry{"EnterOriginAngle", &Form1::EnterOriginAngle, "30"},
    Entry{"EnterDestinationAngle", &Form1::EnterDestinationAngle, "0"},
    Entry{"EnterLoadAvg", &Form1::EnterLoadAvg, "20"},
    Entry{"EnterLoadMax", &Form1::EnterLoadMax, "25"},
    Entry{"EnterFrequency", &Form1::EnterFrequency, "2"},
};

// Option clicks that run a handler; the two options of a pair take turns, so
// that every click selects a new one.
struct OptionPair {
    const char* name;
    const char* first;
    const char* second;
};

constexpr std::array kOptionPairs{
    OptionPair{"Duration", "Option2", "Option1"},
    OptionPair{"Coupling", "Option7", "Option6"},
    OptionPair{"Units", "Option10", "Option9"},
};

QAbstractButton* Button(Form1& form, const char* name) {
    auto* button = form.findChild<QAbstractButton*>(QString::fromLatin1(name));
    if (button == nullptr)
        qFatal("no button %s on the worksheet", name);
    return button;
}

void Register(const std::string& name, auto function) {
    benchmark::RegisterBenchmark(("Handler/" + name).c_str(), function)
        ->Unit(benchmark::kMicrosecond);
}

} // namespace

void RegisterHandlers() {
    for (const Entry& entry : kEntries) {
        Register(entry.name, [entry](benchmark::State& state) {
            Measure(state, [entry](Form1& form) {
                return [&form, entry] { return Prompted(form, entry.procedure, entry.typed); };
            });
        });
    }
    for (const OptionPair& pair : kOptionPairs) {
        Register(pair.name, [pair](benchmark::State& state) {
            Measure(state, [pair](Form1& form) {
                return [first = Button(form, pair.first), second = Button(form, pair.second),
                        turn = false]() mutable {
                    turn = !turn;
                    (turn ? first : second)->click();
                    return true;
                };
            });
        });
    }
    Register("Calculate", [](benchmark::State& state) {
        Measure(state, [](Form1& form) {
            return [calculate = Button(form, "Command1")] {
                calculate->click();
                return true;
            };
        });
    });
    Register("MessageBox", [](benchmark::State& state) {
        Measure(state, [](Form1& form) { return [&form] { return AdviceShown(form); }; });
    });
}

} // namespace bench
