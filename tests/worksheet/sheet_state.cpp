#include "worksheet/sheet_state.h"
#include "lifting/latin1.h"

#include "widgets/display_cell.h"
#include "window/roster.h"

#include <gtest/gtest.h>

namespace advice_test {
namespace {

std::vector<float*> Numbers(Form1& f) {
    return {&f.hmVARo2, &f.hmVARd2, &f.vmVARo1, &f.vmVARd1,   &f.vmVARo2,
            &f.vmVARd2, &f.dmvar,   &f.amVARo2, &f.amVARd2,   &f.fMvardo,
            &f.fMvardd, &f.cmvaro,  &f.cmvard,  &f.rwlORIGIN, &f.rwlDESTIN};
}

std::vector<QString*> Texts(Form1& f) {
    return {&f.myvalueHOV, &f.myvalueHDV, &f.myvalueFR, &f.MyvalueLavg, &f.MyvalueLmax};
}

} // namespace

SheetState Capture(support::Sheet& sheet) {
    SheetState state;
    for (const window::Control& c : window::Roster()) {
        const QString name = lifting::Latin1(c.name);
        if (c.kind == window::Kind::Picture)
            state.cells << name + "=" + sheet.cell(name);
        else if (c.kind == window::Kind::Label)
            state.captions << name + "=" + sheet.caption(name);
    }
    Form1& f = sheet.form();
    for (QString* text : Texts(f))
        state.texts << *text;
    state.texts << Form1Access::strOriginH(f) << Form1Access::strDestinH(f);
    for (float* number : Numbers(f))
        state.numbers.push_back(*number);
    state.wholes = {Form1Access::intOriginH(f), Form1Access::intDestinH(f)};
    return state;
}

void MarkEverything(support::Sheet& sheet) {
    for (const window::Control& c : window::Roster()) {
        if (c.kind == window::Kind::Picture)
            sheet.form()
                .findChild<widgets::DisplayCell*>(lifting::Latin1(c.name))
                ->Print("mark " + lifting::Latin1(c.name));
    }
    int mark = 0;
    for (QString* text : Texts(sheet.form()))
        *text = QStringLiteral("text %1").arg(++mark);
    float number = 1.25f;
    for (float* v : Numbers(sheet.form()))
        *v = number++;
}

void ExpectSame(const SheetState& before, const SheetState& after, const QString& context) {
    const std::string where = context.toStdString();
    ASSERT_EQ(before.cells.size(), after.cells.size()) << where;
    for (qsizetype i = 0; i < before.cells.size(); ++i)
        EXPECT_EQ(after.cells[i].toStdString(), before.cells[i].toStdString()) << where;
    ASSERT_EQ(before.captions.size(), after.captions.size()) << where;
    for (qsizetype i = 0; i < before.captions.size(); ++i)
        EXPECT_EQ(after.captions[i].toStdString(), before.captions[i].toStdString()) << where;
    EXPECT_EQ(after.texts, before.texts) << where;
    EXPECT_EQ(after.numbers, before.numbers) << where;
    EXPECT_EQ(after.wholes, before.wholes) << where;
}

} // namespace advice_test
