// The advice procedures of the window: each shows its own message.
#include "worksheet/advice.h"
#include "worksheet/form1.h"

namespace {

void ShowOwn(Form1& form, Form1::Procedure procedure) {
    advice::Show(&form, advice::MessageOf(procedure));
}

} // namespace

void Form1::ShowHmSuggestions() {
    ShowOwn(*this, &Form1::ShowHmSuggestions);
}
void Form1::ShowVmSuggestions() {
    ShowOwn(*this, &Form1::ShowVmSuggestions);
}
void Form1::ShowDmSuggestions() {
    ShowOwn(*this, &Form1::ShowDmSuggestions);
}
void Form1::ShowAmSuggestions() {
    ShowOwn(*this, &Form1::ShowAmSuggestions);
}
void Form1::ShowFmSuggestions() {
    ShowOwn(*this, &Form1::ShowFmSuggestions);
}
void Form1::ShowCmSuggestions() {
    ShowOwn(*this, &Form1::ShowCmSuggestions);
}
void Form1::ShowLcSuggestions() {
    ShowOwn(*this, &Form1::ShowLcSuggestions);
}
void Form1::ShowRwlSuggestions() {
    ShowOwn(*this, &Form1::ShowRwlSuggestions);
}
void Form1::ShowVerticalDistanceInfoUs() {
    ShowOwn(*this, &Form1::ShowVerticalDistanceInfoUs);
}

void Form1::ShowVerticalDistanceInfoMetric() {
    ShowOwn(*this, &Form1::ShowVerticalDistanceInfoMetric);
}

void Form1::ShowVerticalDistanceInfo() {
    // Read at the moment of the click: exactly one of the two notes runs.
    if (IsUsCustomary())
        ShowVerticalDistanceInfoUs();
    else
        ShowVerticalDistanceInfoMetric();
}
