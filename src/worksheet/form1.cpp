#include "worksheet/form1.h"

#include "runtime/click_label.h"
#include "runtime/dialogs.h"
#include "runtime/display_cell.h"
#include "runtime/run_time_error.h"
#include "window/wiring.h"

#include <QRadioButton>

#include <new>

namespace {

const QString kTitle = QStringLiteral("Job Analysis Worksheet - Revised NIOSH Lifting Equation");

template <typename Array> auto& Lookup(const Array& controls, int number) {
    const auto index = static_cast<std::size_t>(number);
    if (number < 0 || index >= controls.size() || controls[index] == nullptr)
        throw rt::RunTimeError(
            rt::kControlNotFound,
            QStringLiteral("Control array element '%1' doesn't exist").arg(number));
    return *controls[index];
}

} // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kTitle);
    controls_ = window::Build(*this);
    window::Connect(*this);
    // The load event.
    RunEvent(&Form1::ApplyUnitSystem);
}

Form1::~Form1() = default;

void Form1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    RunEvent(&Form1::ApplyUnitSystem);
}

void Form1::RunEvent(Procedure first, Procedure second) {
    try {
        (this->*first)();
        if (second != nullptr)
            (this->*second)();
    } catch (const rt::RunTimeError& error) {
        Report(error);
    } catch (const std::bad_alloc&) {
        Report(rt::RunTimeError(rt::kOutOfMemory, QStringLiteral("Out of memory")));
    } catch (const std::exception& error) {
        Report(rt::RunTimeError(rt::kInternalError, QString::fromLocal8Bit(error.what())));
    }
}

void Form1::Report(const rt::RunTimeError& error) {
    rt::MsgBox(this, error.message(), rt::MsgBoxButtons::OkOnly, kTitle);
}

rt::DisplayCell& Form1::Picture(int number) const {
    return Lookup(controls_.pictures, number);
}

rt::ClickLabel& Form1::Label(int number) const {
    return Lookup(controls_.labels, number);
}

bool Form1::Value(int option) const {
    return Lookup(controls_.options, option).isChecked();
}
