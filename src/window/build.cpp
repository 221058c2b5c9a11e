#include "window/build.h"

#include "lifting/latin1.h"
#include "widgets/accessible_cell.h"
#include "widgets/buttons.h"
#include "widgets/click_label.h"
#include "widgets/click_tracker.h"
#include "widgets/dialogs.h"
#include "widgets/display_cell.h"
#include "widgets/frame_control.h"
#include "widgets/line_control.h"
#include "window/fonts.h"
#include "window/roster.h"

#include <QApplication>
#include <QIcon>
#include <QIconEngine>

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>
#include <utility>
#include <vector>

namespace window {
namespace {

constexpr QColor kHighlight(128, 255, 128);
constexpr int kLineWidth = 2;
// The icon's renderings in the resource, in pixels; QIcon picks the one that
// suits the frame, task bar and scale of the screen.
constexpr std::array kIconSizes{16, 32, 48, 64, 128, 256};

// The multiplication, equals and division signs of the formulas: the
// assistive technology reads the formula from the captions and cells.
constexpr std::array<std::string_view, 3> kSigns{"*", "=", "/"};

QRect Pixels(const Control& c) {
    return {c.left / kTwipsPerPixel, c.top / kTwipsPerPixel, c.width / kTwipsPerPixel,
            c.height / kTwipsPerPixel};
}

// Decodes the icon's renderings when a window system first asks for one, not
// when the window is made: decoding all six is a fifth of the window's
// start-up, and Wayland never asks (X11 and Windows ask as the window opens).
class ResourceIconEngine final : public QIconEngine {
  public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Decoded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Decoded().actualSize(size, mode, state);
    }
    // An engine is asked in device pixels; the icon around it sets the ratio.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Decoded().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal /*scale*/) override {
        return pixmap(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Decoded().availableSizes(mode, state);
    }
    QString key() const override { return QStringLiteral("ResourceIconEngine"); }
    QIconEngine* clone() const override { return new ResourceIconEngine(*this); }
    bool isNull() override { return false; }

  private:
    const QIcon& Decoded() {
        if (decoded_.isNull()) {
            for (const int size : kIconSizes)
                decoded_.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
        }
        return decoded_;
    }

    QIcon decoded_;
};

// The number that ends the control's name (Picture7 is 7), read in place.
std::size_t Number(const Control& c) {
    const std::string_view digits = c.name.substr(c.name.find_first_of("0123456789"));
    std::size_t number = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), number);
    return number;
}

QWidget* Create(const Control& c, QWidget& parent, Controls& controls) {
    switch (c.kind) {
    case Kind::Label: {
        auto* label = new widgets::ClickLabel(&parent);
        label->setTextFormat(Qt::PlainText);
        label->setText(lifting::Latin1(c.caption));
        // A caption wraps at word boundaries when its control is too narrow.
        label->setWordWrap(true);
        label->setAlignment((c.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        if (c.highlight) {
            QPalette palette = label->palette();
            palette.setColor(QPalette::Window, kHighlight);
            label->setPalette(palette);
            label->setAutoFillBackground(true);
        }
        controls.labels.at(Number(c)) = label;
        return label;
    }
    case Kind::Picture: {
        auto* cell = new widgets::DisplayCell(&parent);
        cell->setAccessibleName(lifting::Latin1(c.role));
        controls.pictures.at(Number(c)) = cell;
        return cell;
    }
    case Kind::Frame: {
        auto* frame = new widgets::FrameControl(lifting::Latin1(c.caption), &parent);
        return frame;
    }
    case Kind::Option: {
        auto* option = new widgets::OptionButton(lifting::Latin1(c.caption), &parent);
        option->setChecked(c.selected);
        controls.options.at(Number(c)) = option;
        return option;
    }
    case Kind::Command: {
        auto* button = new widgets::CommandButton(lifting::Latin1(c.caption), &parent);
        button->setAutoDefault(false);
        return button;
    }
    case Kind::Line: {
        auto* line = new widgets::LineControl(&parent);
        line->setAccessibleName(lifting::Latin1(c.role));
        return line;
    }
    }
    return nullptr;
}

} // namespace

Controls Build(QWidget& form) {
    Controls controls;
    // The frames made so far; a control in no frame sits on the form.
    std::vector<std::pair<std::string_view, QWidget*>> frames;
    auto container = [&frames, &form](std::string_view name) -> QWidget& {
        for (const auto& [frame, widget] : frames) {
            if (frame == name)
                return *widget;
        }
        return form;
    };
    // The prompts and message boxes speak in the sheet's face too, so that they
    // read as part of it on any desktop and the first of them loads no font.
    if (QApplication::font() != FontFor(Face::Default))
        QApplication::setFont(FontFor(Face::Default));
    widgets::KeepDialogTitlesWhole();
    form.setFont(FontFor(Face::Default));
    widgets::InstallAccessibility();
    widgets::OpenContextMenuOnShiftF10(form);
    const QRect sheet(0, 0, kClientWidth / kTwipsPerPixel, kClientHeight / kTwipsPerPixel);
    for (const Control& c : Roster()) {
        QWidget* widget = Create(c, container(c.container), controls);
        widget->setObjectName(lifting::Latin1(c.name));
        if (c.face != Face::Default)
            widget->setFont(FontFor(c.face));
        if (c.kind == Kind::Line) {
            // The line runs from (left, top) by (width, height); draw it as a
            // bar of its width centred on that path.
            const QRect r = Pixels(c);
            widget->setGeometry(r.left(), r.top() - kLineWidth / 2, std::max(r.width(), kLineWidth),
                                std::max(r.height(), kLineWidth));
        } else {
            widget->setGeometry(Pixels(c));
        }
        if (c.kind == Kind::Frame)
            frames.emplace_back(c.name, widget);
        if (std::ranges::find(kSigns, c.caption) != kSigns.end() ||
            !sheet.intersects(widget->geometry()))
            widgets::HideFromAssistiveTechnology(*widget);
    }
    // A cell is drawn over the caption that reaches under it.
    for (widgets::DisplayCell* cell : controls.pictures) {
        if (cell)
            cell->raise();
    }
    form.setWindowIcon(QIcon(new ResourceIconEngine));
    form.setMinimumSize(kClientWidth / kTwipsPerPixel, kClientHeight / kTwipsPerPixel);
    form.resize(kClientWidth / kTwipsPerPixel, kClientHeight / kTwipsPerPixel);
    return controls;
}

} // namespace window
