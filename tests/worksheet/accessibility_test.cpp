// The window as a screen reader sees it: names, values, access keys, and the
// advice boxes read out with their title and text.
#include "lifting/latin1.h"
#include "support/sheet.h"
#include "widgets/display_cell.h"
#include "window/roster.h"
#include "window/wiring.h"

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

QAccessibleInterface* Accessible(support::Sheet& sheet, const QString& name) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(sheet.control(name));
    EXPECT_NE(iface, nullptr) << name.toStdString();
    return iface;
}

// Read as std::string, so that a failure prints the text.
std::string AccessibleName(support::Sheet& sheet, const QString& name) {
    QAccessibleInterface* iface = Accessible(sheet, name);
    return iface ? iface->text(QAccessible::Name).toStdString() : std::string();
}

std::string AccessibleValue(support::Sheet& sheet, const QString& name) {
    QAccessibleInterface* iface = Accessible(sheet, name);
    return iface ? iface->text(QAccessible::Value).toStdString() : std::string();
}

widgets::DisplayCell* Cell(support::Sheet& sheet, const QString& name) {
    return sheet.form().findChild<widgets::DisplayCell*>(name);
}

bool TakesAClick(std::string_view control) {
    const auto wiring = window::Wiring();
    return std::any_of(wiring.begin(), wiring.end(),
                       [control](const window::Wire& w) { return w.control == control; });
}

TEST(Accessibility, EveryControlIsNamedByItsCaptionOrWhatItHolds) {
    support::Sheet sheet;
    for (const window::Control& c : window::Roster()) {
        const QString name = lifting::Latin1(c.name);
        QString expected;
        switch (c.kind) {
        case window::Kind::Picture:
        case window::Kind::Line:
            expected = lifting::Latin1(c.role);
            break;
        case window::Kind::Command:
            expected = lifting::Latin1(c.caption).remove(u'&');
            break;
        case window::Kind::Label:
            // A caption that takes a click is named by what it does (below).
            if (TakesAClick(c.name)) {
                EXPECT_NE(AccessibleName(sheet, name), sheet.caption(name).toStdString());
                continue;
            }
            expected = sheet.caption(name); // as shown, after the unit relabelling
            break;
        case window::Kind::Frame:
        case window::Kind::Option:
            expected = lifting::Latin1(c.caption);
            break;
        }
        EXPECT_FALSE(expected.trimmed().isEmpty()) << c.name;
        EXPECT_EQ(AccessibleName(sheet, name), expected.toStdString()) << c.name;
    }
    // The window itself is named by its title.
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&sheet.form());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->text(QAccessible::Name), sheet.form().windowTitle());
    EXPECT_FALSE(sheet.form().windowTitle().isEmpty());
}

TEST(Accessibility, CellsAreReadOnlyFieldsNamedByWhatTheyHold) {
    support::Sheet sheet;
    for (const auto& [cell, role] :
         {std::pair{"Picture3", "Origin H"}, std::pair{"Picture10", "HM at origin"},
          std::pair{"Picture27", "Lifting index at origin"}}) {
        QAccessibleInterface* iface = Accessible(sheet, cell);
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->text(QAccessible::Name).toStdString(), role);
        EXPECT_EQ(iface->role(), QAccessible::EditableText) << cell;
        EXPECT_TRUE(iface->state().readOnly) << cell;
        EXPECT_FALSE(iface->state().editable) << cell;
        EXPECT_EQ(iface->text(QAccessible::Value), "") << cell;
        ASSERT_NE(iface->textInterface(), nullptr) << cell;
        EXPECT_EQ(iface->textInterface()->characterCount(), 0) << cell;
    }
}

TEST(Accessibility, CellValueIsWhatItShows) {
    support::Sheet sheet;
    // The load constant, printed at start-up and again by a unit switch.
    EXPECT_EQ(AccessibleValue(sheet, "Picture23"), "51");
    EXPECT_EQ(AccessibleValue(sheet, "Picture24"), "51");
    sheet.click("Option10");
    EXPECT_EQ(AccessibleValue(sheet, "Picture23"), "23");
    EXPECT_EQ(AccessibleValue(sheet, "Picture24"), "23");

    widgets::DisplayCell* hm = Cell(sheet, "Picture10");
    hm->Print("0.46");
    EXPECT_EQ(AccessibleValue(sheet, "Picture10"), "0.46");
    QAccessibleTextInterface* text = Accessible(sheet, "Picture10")->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->characterCount(), 4);
    EXPECT_EQ(text->text(0, 4), "0.46");
    EXPECT_EQ(text->text(2, 4), "46");
    hm->Cls();
    EXPECT_EQ(AccessibleValue(sheet, "Picture10"), "");
    EXPECT_EQ(text->characterCount(), 0);
    hm->Print("1.00");
    EXPECT_EQ(AccessibleValue(sheet, "Picture10"), "1.00");
    // Switching the units clears it, and the value with it.
    sheet.click("Option9");
    EXPECT_EQ(AccessibleValue(sheet, "Picture10"), "");
    EXPECT_EQ(AccessibleName(sheet, "Picture10"), "HM at origin");
}

TEST(Accessibility, CellCharactersAreWhereTheyAreDrawn) {
    support::Sheet sheet;
    widgets::DisplayCell* cell = Cell(sheet, "Picture25");
    cell->Print("123.4");
    QAccessibleTextInterface* text = Accessible(sheet, "Picture25")->textInterface();
    ASSERT_NE(text, nullptr);
    const QRect cellOnScreen(cell->mapToGlobal(QPoint(0, 0)), cell->size());
    int previousRight = -1;
    for (int i = 0; i < 5; ++i) {
        const QRect r = text->characterRect(i);
        EXPECT_TRUE(cellOnScreen.contains(r.topLeft())) << i;
        EXPECT_GE(r.left(), previousRight) << i;
        previousRight = r.right();
        EXPECT_EQ(text->offsetAtPoint(r.center()), i) << i;
    }
    EXPECT_EQ(text->characterRect(5), QRect());
    EXPECT_EQ(text->offsetAtPoint(cellOnScreen.bottomRight() + QPoint(10, 10)), -1);
}

TEST(Accessibility, RelabelledCaptionsAreNamedAsShown) {
    support::Sheet sheet;
    const QStringList labels{"Label3", "Label6", "Label34", "Label35"};
    const QStringList us{"Object Weight(Lbs)", "Hand Location(in)", "Lbs", "Lbs"};
    const QStringList metric{"Object Weight(KG)", "Hand Location(cm)", "KG", "KG"};
    for (const auto& [units, captions] :
         {std::pair{"Option10", metric}, std::pair{"Option9", us}, std::pair{"Option10", metric}}) {
        sheet.click(units);
        for (qsizetype i = 0; i < labels.size(); ++i) {
            EXPECT_EQ(sheet.caption(labels[i]), captions[i]);
            EXPECT_EQ(AccessibleName(sheet, labels[i]), captions[i].toStdString()) << units;
        }
    }
}

TEST(Accessibility, CaptionsThatTakeAClickAreNamedByWhatTheyDo) {
    support::Sheet sheet;
    for (const auto& [label, name] :
         {std::pair{"Label20", "HM advice"}, std::pair{"Label26", "CM advice"},
          std::pair{"Label29", "LC advice"}, std::pair{"Label28", "RWL advice"},
          std::pair{"Label31", "RWL advice"}, std::pair{"Label13", "Vertical distance note"},
          std::pair{"Label9", "Enter origin H"}, std::pair{"Label12", "Enter destination V"},
          std::pair{"Label16", "Enter origin A"}, std::pair{"Label18", "Enter origin A"},
          std::pair{"Label5", "Enter L(Max)"}, std::pair{"Label24", "Enter frequency rate"},
          std::pair{"Label14", "Work out D"}}) {
        QAccessibleInterface* iface = Accessible(sheet, label);
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->text(QAccessible::Name).toStdString(), name);
        EXPECT_FALSE(iface->text(QAccessible::Description).isEmpty()) << label;
        EXPECT_EQ(iface->role(), QAccessible::StaticText) << label;
    }
    // Named so in the other unit system too.
    sheet.click("Option10");
    EXPECT_EQ(AccessibleName(sheet, "Label13"), "Vertical distance note");
}

TEST(Accessibility, CommandsKeepTheirAccessKeys) {
    support::Sheet sheet;
    for (const auto& [command, name, keys] :
         {std::tuple{"Command1", "CALCULATE", "Alt+C"}, std::tuple{"Command2", "EXIT", "Alt+X"}}) {
        QAccessibleInterface* iface = Accessible(sheet, command);
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->text(QAccessible::Name), name);
        EXPECT_EQ(iface->role(), QAccessible::Button);
        ASSERT_NE(iface->actionInterface(), nullptr);
        EXPECT_EQ(iface->actionInterface()->keyBindingsForAction(
                      QAccessibleActionInterface::pressAction()),
                  QStringList{keys});
        EXPECT_EQ(iface->text(QAccessible::Accelerator), keys);
    }
}

TEST(Accessibility, AccessKeysRaiseTheCommandsClick) {
    support::Sheet sheet;
    sheet.form().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&sheet.form()));
    for (const auto& [command, key] :
         {std::pair{"Command1", Qt::Key_C}, std::pair{"Command2", Qt::Key_X}}) {
        auto* button = qobject_cast<QPushButton*>(sheet.control(command));
        // Only the click is under test here, not what the command does.
        QObject::disconnect(button, nullptr, &sheet.form(), nullptr);
        QSignalSpy clicks(button, &QPushButton::clicked);
        QTest::keyClick(&sheet.form(), key, Qt::AltModifier);
        EXPECT_TRUE(clicks.wait(2000)) << command;
        EXPECT_EQ(clicks.count(), 1) << command;
    }
}

// What the accessibility layer reports for the message box that the click
// opens, read while it is open; then the box is closed with its OK button.
struct BoxAsRead {
    bool shown = false;
    QAccessible::Role role = QAccessible::NoRole;
    QString name, value;
    QStringList childNames;
    Qt::WindowModality modality = Qt::NonModal;
    bool okIsDefault = false;
};

BoxAsRead ReadBox(support::Sheet& sheet, const QString& control) {
    BoxAsRead read;
    auto responder = harness::Responder::Handle([&read](QWidget& dialog) {
        auto* box = qobject_cast<QMessageBox*>(&dialog);
        if (box == nullptr) {
            dialog.close();
            return;
        }
        read.shown = true;
        read.modality = box->windowModality();
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(box);
        read.role = iface->role();
        read.name = iface->text(QAccessible::Name);
        read.value = iface->text(QAccessible::Value);
        for (int i = 0; i < iface->childCount(); ++i)
            read.childNames << iface->child(i)->text(QAccessible::Name);
        auto* ok = qobject_cast<QPushButton*>(box->button(QMessageBox::Ok));
        read.okIsDefault = ok != nullptr && ok->isDefault();
        box->buttons().front()->click();
    });
    sheet.click(control);
    return read;
}

TEST(Accessibility, AdviceBoxesAreReadWithTitleAndText) {
    support::Sheet sheet;
    const BoxAsRead read = ReadBox(sheet, "Label22");
    ASSERT_TRUE(read.shown);
    EXPECT_EQ(read.role, QAccessible::AlertMessage);
    EXPECT_EQ(read.name.toStdString(), "DM Suggestions");
    const QString text = "Reduce the vertical distance between the\n"
                         "origin and the destination of the lift.";
    EXPECT_EQ(read.value.toStdString(), text.toStdString());
    EXPECT_TRUE(read.childNames.contains(text));
    EXPECT_EQ(read.modality, Qt::ApplicationModal);
    EXPECT_TRUE(read.okIsDefault);
}

TEST(Accessibility, PressDoesWhatAClickDoes) {
    support::Sheet sheet;
    const QString press = QAccessibleActionInterface::pressAction();
    // An entry's caption takes the press but no focus: its cell is the entry's
    // one Tab stop.
    for (const auto& [control, kind, title, focusable] :
         {std::tuple{"Picture4", "prompt", "Hand Locations(in)", true},
          std::tuple{"Label10", "prompt", "Hand Locations(in)", false},
          std::tuple{"Label20", "message", "HM Suggestions", true}}) {
        QAccessibleInterface* iface = Accessible(sheet, control);
        ASSERT_NE(iface->actionInterface(), nullptr) << control;
        EXPECT_TRUE(iface->actionInterface()->actionNames().contains(press)) << control;
        EXPECT_EQ(iface->state().focusable, focusable) << control;
        auto responder = support::Responder::Close();
        iface->actionInterface()->doAction(press);
        EXPECT_TRUE(QTest::qWaitFor([&] { return responder->seen().shown; }, 5000)) << control;
        EXPECT_EQ(responder->seen().kind, kind) << control;
        EXPECT_EQ(responder->seen().title, title) << control;
    }
    // A result cell and a heading do nothing on a click, and offer nothing.
    for (const char* control : {"Picture10", "Label27"}) {
        EXPECT_FALSE(Accessible(sheet, control)->actionInterface()->actionNames().contains(press))
            << control;
        EXPECT_FALSE(Accessible(sheet, control)->state().focusable) << control;
    }
}

TEST(Accessibility, WindowAndFramesHaveTheirRolesAndDecorationsAreSilent) {
    support::Sheet sheet;
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&sheet.form());
    EXPECT_EQ(window->role(), QAccessible::Window);
    for (const char* frame : {"Frame1", "Frame3", "Frame4"})
        EXPECT_EQ(Accessible(sheet, frame)->role(), QAccessible::Grouping) << frame;
    QStringList read;
    for (int i = 0; i < window->childCount(); ++i)
        read << window->child(i)->object()->objectName();
    // The signs of the formulas, and the credit placed outside the sheet.
    for (const char* silent : {"Label52", "Label32", "Label48", "Label51", "Label64"}) {
        EXPECT_FALSE(read.contains(silent)) << silent;
        EXPECT_TRUE(Accessible(sheet, silent)->state().invisible) << silent;
    }
    for (const char* shown : {"Label65", "Label34", "Picture25", "Frame4", "Command1"})
        EXPECT_TRUE(read.contains(shown)) << shown;
}

} // namespace
