#include "worksheet/form1.h"

namespace {

constexpr PromptText kLoadAvg{"Enter Number of L(AVG)", "Object Weight (Lbs)", "20",
                              "Object Weight (KG)", "17"};
constexpr PromptText kLoadMax{"Enter Number of L(Max)", "Object Weight(Lbs)", "20",
                              "Object Weight(KG)", "17"};

} // namespace

void Form1::EnterLoadAvg() {
    MyvalueLavg = Ask(kLoadAvg);
    Show(1, MyvalueLavg);
}

void Form1::EnterLoadMax() {
    MyvalueLmax = Ask(kLoadMax);
    Show(2, MyvalueLmax);
}
