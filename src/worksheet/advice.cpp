#include "worksheet/advice.h"

#include "lifting/latin1.h"
#include "widgets/dialogs.h"

#include <QtGlobal>

#include <array>

namespace advice {
namespace {

using F = Form1;
using Lines = std::string_view;

// The lines exactly as the design has them, spelling included.
constexpr std::array kHm = std::to_array<Lines>({
    "Bring the load closer to the worker by ",
    "removing any horizontal barriers or reducing ",
    "the size of the object. Lifts near the floor",
    "should be avoided; if unavoidable, the object",
    "should fit easily between the legs.",
});
constexpr std::array kVm = std::to_array<Lines>({
    "Raise/lower the origin/destination of the lift.",
    "Avoid lifting near the floor or above the",
    "shoulders.",
});
constexpr std::array kDm = std::to_array<Lines>({
    "Reduce the vertical distance between the",
    "origin and the destination of the lift.",
});
constexpr std::array kAm = std::to_array<Lines>({
    "Move the origin and destination of the lift",
    "closer together to reduce the angle of twist,",
    "or move the origin and destination further",
    "apart to force the worker to turn the feet",
    "and step, rather than twist the body.",
});
constexpr std::array kFm = std::to_array<Lines>({
    "Reduct the lifting frequency rate, reduce the",
    "lifting duration, or provide longer recovery",
    "periods (i.e., light work period).",
});
constexpr std::array kCm = std::to_array<Lines>({
    "Improve the hand-to-object coupling by",
    "provideing optimal containers with handles or",
    "handhold cutouts, or improve the handholds",
    "for irregular objects.",
});
constexpr std::array kLc = std::to_array<Lines>({
    "Load Constant",
    "U.S. COUTOMARY 51 LB",
    "METRIC 23 KG",
});
constexpr std::array kRwl = std::to_array<Lines>({
    "Eliminate the need for significant control of",
    "the object at the destination by redesigning",
    "the job or modifying the container/object",
    "characteriestics.",
});
constexpr std::array kVerticalDistanceUs = std::to_array<Lines>({
    "The number come from Hand Location(in)",
    "Abs value between Origin V - Detination V",
});
constexpr std::array kVerticalDistanceMetric = std::to_array<Lines>({
    "The number come from Hand Location(cm)",
    "Abs value between Origin V - Detination V",
});

constexpr std::array kMessages = std::to_array<Message>({
    {&F::ShowHmSuggestions, "HM Suggestions", kHm},
    {&F::ShowVmSuggestions, "VM Suggestions", kVm},
    {&F::ShowDmSuggestions, "DM Suggestions", kDm},
    {&F::ShowAmSuggestions, "AM Suggestions", kAm},
    {&F::ShowFmSuggestions, "FM Suggestions", kFm},
    {&F::ShowCmSuggestions, "CM Suggestions", kCm},
    {&F::ShowLcSuggestions, "LC Suggestions", kLc},
    {&F::ShowRwlSuggestions, "RWL Suggestions", kRwl},
    {&F::ShowVerticalDistanceInfoUs, "Vertical Distance Value", kVerticalDistanceUs},
    {&F::ShowVerticalDistanceInfoMetric, "Vertical Distance Value", kVerticalDistanceMetric},
});

} // namespace

std::span<const Message> Messages() {
    return kMessages;
}

const Message& MessageOf(Form1::Procedure procedure) {
    for (const Message& message : kMessages) {
        if (message.procedure == procedure)
            return message;
    }
    qFatal("no advice message for this procedure");
}

QString Join(std::span<const std::string_view> lines) {
    QString text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += u'\n';
        text += lifting::Latin1(lines[i]);
    }
    return text;
}

void Show(QWidget* parent, const Message& message) {
    widgets::MsgBox(parent, Join(message.lines), lifting::Latin1(message.title));
}

} // namespace advice
