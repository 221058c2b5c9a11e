#include "support/sheet.h"
#include "widgets/display_cell.h"

#include <QLabel>
#include <QRadioButton>
#include <QResizeEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QStringList kCleared{"Picture1",  "Picture2",  "Picture3",  "Picture4",  "Picture5",
                           "Picture6",  "Picture7",  "Picture8",  "Picture9",  "Picture10",
                           "Picture11", "Picture12", "Picture13", "Picture14", "Picture15",
                           "Picture16", "Picture17", "Picture18", "Picture19", "Picture20",
                           "Picture21", "Picture22", "Picture25", "Picture26", "Picture27",
                           "Picture28", "Picture29", "Picture30", "Picture31", "Picture32"};

const QStringList kUnitLabels{"Label3", "Label6", "Label13", "Label34", "Label35"};
const QStringList kUsCaptions{"Object Weight(Lbs)", "Hand Location(in)", "Vertical Distance(in)",
                              "Lbs", "Lbs"};
const QStringList kMetricCaptions{"Object Weight(KG)", "Hand Location(cm)", "Vertical Distance(cm)",
                                  "KG", "KG"};

bool Selected(support::Sheet& sheet, const char* name) {
    return qobject_cast<QRadioButton*>(sheet.control(name))->isChecked();
}

void FillAllCells(support::Sheet& sheet) {
    for (const QString& name : kCleared)
        sheet.form().findChild<widgets::DisplayCell*>(name)->Print(name);
}

QStringList Captions(support::Sheet& sheet) {
    QStringList captions;
    for (const QString& name : kUnitLabels)
        captions << sheet.caption(name);
    return captions;
}

// Gives every variable a value no procedure would leave there.
void MarkVariables(Form1& f) {
    f.myvalueHOV = "v1";
    f.myvalueHDV = "v2";
    f.myvalueFR = "f";
    f.MyvalueLavg = "la";
    f.MyvalueLmax = "lm";
    float mark = 1.5f;
    for (float* v : {&f.hmVARo2, &f.hmVARd2, &f.vmVARo1, &f.vmVARd1, &f.vmVARo2, &f.vmVARd2,
                     &f.dmvar, &f.amVARo2, &f.amVARd2, &f.fMvardo, &f.fMvardd, &f.cmvaro, &f.cmvard,
                     &f.rwlORIGIN, &f.rwlDESTIN})
        *v = mark++;
}

void ExpectVariablesReset(const Form1& f) {
    for (const QString& text :
         {f.myvalueHOV, f.myvalueHDV, f.myvalueFR, f.MyvalueLavg, f.MyvalueLmax,
          Form1Access::strOriginH(f), Form1Access::strDestinH(f)})
        EXPECT_TRUE(text.isEmpty()) << text.toStdString();
    for (float v :
         {f.hmVARo2, f.hmVARd2, f.vmVARo1, f.vmVARd1, f.vmVARo2, f.vmVARd2, f.dmvar, f.amVARo2,
          f.amVARd2, f.fMvardo, f.fMvardd, f.cmvaro, f.cmvard, f.rwlORIGIN, f.rwlDESTIN})
        EXPECT_EQ(v, 0.0f);
}

void ExpectVariablesMarked(const Form1& f) {
    EXPECT_EQ(f.myvalueHOV, "v1");
    EXPECT_EQ(f.myvalueHDV, "v2");
    EXPECT_EQ(f.myvalueFR, "f");
    EXPECT_EQ(f.MyvalueLavg, "la");
    EXPECT_EQ(f.MyvalueLmax, "lm");
    float mark = 1.5f;
    for (float v :
         {f.hmVARo2, f.hmVARd2, f.vmVARo1, f.vmVARd1, f.vmVARo2, f.vmVARd2, f.dmvar, f.amVARo2,
          f.amVARd2, f.fMvardo, f.fMvardd, f.cmvaro, f.cmvard, f.rwlORIGIN, f.rwlDESTIN})
        EXPECT_EQ(v, mark++);
}

TEST(StartUp, UsCustomaryAndAnEmptySheet) {
    support::Sheet sheet;
    for (const char* on : {"Option9", "Option1", "Option6"})
        EXPECT_TRUE(Selected(sheet, on)) << on;
    for (const char* off : {"Option10", "Option2", "Option3", "Option7", "Option8"})
        EXPECT_FALSE(Selected(sheet, off)) << off;
    EXPECT_EQ(Captions(sheet), kUsCaptions);
    EXPECT_EQ(sheet.caption("Label66"), "contact@example.org");
    EXPECT_FALSE(sheet.form().windowTitle().isEmpty());
    EXPECT_EQ(sheet.cell("Picture23"), "51");
    EXPECT_EQ(sheet.cell("Picture24"), "51");
    for (const QString& name : kCleared)
        EXPECT_EQ(sheet.cell(name), "") << name.toStdString();

    const Form1& f = sheet.form();
    for (const QString& text :
         {f.myvalueHOV, f.myvalueHDV, f.myvalueFR, f.MyvalueLavg, f.MyvalueLmax,
          Form1Access::strOriginH(f), Form1Access::strDestinH(f)})
        EXPECT_TRUE(text.isEmpty());
    for (float v :
         {f.hmVARo2, f.hmVARd2, f.vmVARo1, f.vmVARd1, f.vmVARo2, f.vmVARd2, f.dmvar, f.amVARo2,
          f.amVARd2, f.fMvardo, f.fMvardd, f.cmvaro, f.cmvard, f.rwlORIGIN, f.rwlDESTIN})
        EXPECT_EQ(v, 0.0f);
    EXPECT_EQ(Form1Access::intOriginH(f), 0);
    EXPECT_EQ(Form1Access::intDestinH(f), 0);
}

// A switch is a fresh sheet in the other units: every entry and multiplier
// behind the cells goes with them.
TEST(UnitSwitch, ClearsTheThirtyCellsAndTheirVariablesAndRelabels) {
    support::Sheet sheet;
    FillAllCells(sheet);
    MarkVariables(sheet.form());

    QStringList cleared;
    for (const QString& name : kCleared + QStringList{"Picture23", "Picture24"}) {
        auto* cell = sheet.form().findChild<widgets::DisplayCell*>(name);
        QObject::connect(cell, &widgets::DisplayCell::textChanged,
                         [&cleared, name](const QString& t) {
                             cleared << (t.isEmpty() ? name : name + "=" + t);
                         });
    }
    const auto expected = [](const char* lc) {
        const qsizetype split = kCleared.indexOf("Picture25");
        return kCleared.mid(0, split) +
               QStringList{"Picture23", QString("Picture23=") + lc, "Picture24",
                           QString("Picture24=") + lc} +
               kCleared.mid(split);
    };
    sheet.click("Option10");
    EXPECT_TRUE(Selected(sheet, "Option10"));
    EXPECT_FALSE(Selected(sheet, "Option9"));
    EXPECT_EQ(cleared, expected("23"));
    EXPECT_EQ(Captions(sheet), kMetricCaptions);
    ExpectVariablesReset(sheet.form());

    FillAllCells(sheet);
    MarkVariables(sheet.form());
    cleared.clear();
    sheet.click("Option9");
    EXPECT_TRUE(Selected(sheet, "Option9"));
    EXPECT_EQ(cleared, expected("51"));
    EXPECT_EQ(Captions(sheet), kUsCaptions);
    ExpectVariablesReset(sheet.form());
}

TEST(UnitSwitch, ClickingTheSelectedUnitKeepsTheSheet) {
    support::Sheet sheet;
    FillAllCells(sheet);
    sheet.click("Option9");
    EXPECT_EQ(sheet.cell("Picture1"), "Picture1");
}

TEST(Resize, ReprintsLoadConstantAndCaptionsOnly) {
    support::Sheet sheet;
    sheet.click("Option10");
    FillAllCells(sheet);
    MarkVariables(sheet.form());
    sheet.form().findChild<widgets::DisplayCell*>("Picture23")->Cls();
    qobject_cast<QLabel*>(sheet.control("Label3"))->setText("stale");

    sheet.form().resize(700, 500);
    QTest::qWait(1);
    EXPECT_EQ(sheet.form().size(), QSize(700, 500));
    EXPECT_EQ(sheet.cell("Picture23"), "23");
    EXPECT_EQ(sheet.cell("Picture24"), "23");
    EXPECT_EQ(Captions(sheet), kMetricCaptions);
    for (const QString& name : kCleared)
        EXPECT_EQ(sheet.cell(name), name) << name.toStdString();
    ExpectVariablesMarked(sheet.form());

    // A resize event with the same size (as a restore may send) does the same.
    qobject_cast<QLabel*>(sheet.control("Label6"))->setText("stale");
    QResizeEvent event(sheet.form().size(), sheet.form().size());
    QApplication::sendEvent(&sheet.form(), &event);
    EXPECT_EQ(sheet.caption("Label6"), "Hand Location(cm)");
}

} // namespace
