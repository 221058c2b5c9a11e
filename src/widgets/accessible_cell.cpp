#include "widgets/accessible_cell.h"

#include "widgets/click_label.h"
#include "widgets/display_cell.h"
#include "widgets/frame_control.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QFontMetrics>

namespace widgets {
namespace {

constexpr auto kHidden = "hiddenFromAssistiveTechnology";

bool IsHidden(const QWidget* widget) {
    return widget->property(kHidden).toBool();
}

// The press action, offered by a control that has a click event, before the
// actions every widget has (such as taking the focus).
template <typename Control> QStringList ActionNames(const Control* control, QStringList common) {
    if (control->isClickable())
        common.prepend(QAccessibleActionInterface::pressAction());
    return common;
}

// The click runs from the event loop once the press has returned: a click that
// opens a modal prompt would otherwise hold the caller (a screen reader, over
// the accessibility bus) until the prompt is closed.
template <typename Control> bool Press(Control* control, const QString& action) {
    if (action != QAccessibleActionInterface::pressAction() || !control->isClickable())
        return false;
    QMetaObject::invokeMethod(control, &Control::click, Qt::QueuedConnection);
    return true;
}

// A hidden control says so if it is reached other than through its parent.
QAccessible::State StateOf(const QWidget* widget, QAccessible::State state) {
    if (IsHidden(widget))
        state.invisible = true;
    return state;
}

// A display cell as a read-only, one-line text field. The text interface lets
// a screen reader read what the cell shows; the cell announces changes itself
// (DisplayCell::Tell).
class AccessibleCell : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit AccessibleCell(DisplayCell* cell)
        : QAccessibleWidget(cell, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return Shown();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = StateOf(widget(), QAccessibleWidget::state());
        state.readOnly = true;
        return state;
    }

    QStringList actionNames() const override {
        return ActionNames(Cell(), QAccessibleWidget::actionNames());
    }
    void doAction(const QString& action) override {
        if (!Press(Cell(), action))
            QAccessibleWidget::doAction(action);
    }

    // Text interface: the shown text, with no selection and no caret.
    QString text(int startOffset, int endOffset) const override {
        const QString shown = Shown();
        if (startOffset < 0 || endOffset < startOffset || endOffset > shown.size())
            return {};
        return shown.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(Shown().size()); }
    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

    // Where a character is drawn, in screen coordinates: lines start inside
    // the border, one font height apart, as DisplayCell::paintEvent draws them.
    QRect characterRect(int offset) const override {
        const QString shown = Shown();
        if (offset < 0 || offset >= shown.size())
            return {};
        const int lineStart =
            offset == 0 ? 0 : static_cast<int>(shown.lastIndexOf(u'\n', offset - 1)) + 1;
        const int line = static_cast<int>(shown.left(lineStart).count(u'\n'));
        const qsizetype lineEnd = shown.indexOf(u'\n', lineStart);
        const QFontMetrics metrics(
            Cell()->Fit(shown.mid(lineStart, lineEnd < 0 ? -1 : lineEnd - lineStart)).font);
        const QString before = shown.mid(lineStart, offset - lineStart);
        const QChar at = shown.at(offset);
        const QRect local(DisplayCell::kBorder + metrics.horizontalAdvance(before),
                          DisplayCell::kBorder + line * metrics.height(),
                          at == u'\n' ? 0 : metrics.horizontalAdvance(at), metrics.height());
        return {Cell()->mapToGlobal(local.topLeft()), local.size()};
    }

    int offsetAtPoint(const QPoint& point) const override {
        const QString shown = Shown();
        const QPoint local = Cell()->mapFromGlobal(point);
        if (!Cell()->rect().contains(local) || local.y() < DisplayCell::kBorder)
            return -1;
        const int line = (local.y() - DisplayCell::kBorder) / QFontMetrics(Cell()->font()).height();
        const QStringList lines = shown.split(u'\n');
        if (line >= lines.size())
            return -1;
        int offset = 0;
        for (int i = 0; i < line; ++i)
            offset += static_cast<int>(lines[i].size()) + 1;
        const QString& text = lines[line];
        const QFontMetrics metrics(Cell()->Fit(text).font);
        int x = DisplayCell::kBorder;
        for (int i = 0; i < text.size(); ++i) {
            x += metrics.horizontalAdvance(text.at(i));
            if (local.x() < x)
                return offset + i;
        }
        return -1;
    }

  private:
    DisplayCell* Cell() const { return static_cast<DisplayCell*>(widget()); }
    QString Shown() const { return Cell()->text(); }
};

// A caption as static text named by what it shows, as Qt's own labels are.
class AccessibleCaption : public QAccessibleWidget {
  public:
    explicit AccessibleCaption(ClickLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && Label()->accessibleName().isEmpty())
            return Label()->text();
        return QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override {
        return StateOf(widget(), QAccessibleWidget::state());
    }
    QStringList actionNames() const override {
        return ActionNames(Label(), QAccessibleWidget::actionNames());
    }
    void doAction(const QString& action) override {
        if (!Press(Label(), action))
            QAccessibleWidget::doAction(action);
    }

  private:
    ClickLabel* Label() const { return static_cast<ClickLabel*>(widget()); }
};

// The sheet's window, whose children are its controls less the hidden ones.
class AccessibleSheet : public QAccessibleWidget {
  public:
    explicit AccessibleSheet(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(Children().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = Children();
        if (index < 0 || index >= children.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr)
            return -1;
        return static_cast<int>(Children().indexOf(child->object()));
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = childCount() - 1; i >= 0; --i) {
            QAccessibleInterface* control = child(i);
            if (control != nullptr && control->rect().contains(x, y))
                return control;
        }
        return nullptr;
    }

  private:
    QList<QWidget*> Children() const {
        QList<QWidget*> children;
        for (QObject* object : widget()->children()) {
            auto* control = qobject_cast<QWidget*>(object);
            if (control != nullptr && !control->isWindow() && !IsHidden(control))
                children.append(control);
        }
        return children;
    }
};

// What a window last said to assistive technology; no widget, so it is
// neither drawn nor among the window's controls.
class Announcer : public QObject {
    Q_OBJECT

  public:
    using QObject::QObject;
    QString text;
};

// The announcer as a notification of its window, named by what it says.
// Screen readers speak a notification as it shows (Orca: its role, then its
// name); Qt 6.4 has no announcement event of its own.
class AccessibleAnnouncer : public QAccessibleObject {
  public:
    explicit AccessibleAnnouncer(Announcer* announcer) : QAccessibleObject(announcer) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(object()->parent());
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? static_cast<Announcer*>(object())->text : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (className == QLatin1String(Announcer::staticMetaObject.className()))
        return new AccessibleAnnouncer(static_cast<Announcer*>(object));
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr)
        return nullptr;
    if (className == QLatin1String(DisplayCell::staticMetaObject.className()))
        return new AccessibleCell(static_cast<DisplayCell*>(widget));
    if (className == QLatin1String(ClickLabel::staticMetaObject.className()))
        return new AccessibleCaption(static_cast<ClickLabel*>(widget));
    if (className == QLatin1String(FrameControl::staticMetaObject.className()))
        return new QAccessibleWidget(widget, QAccessible::Grouping);
    // The sheet is a plain widget as a window; Qt reads those as a filler.
    if (className == QLatin1String("QWidget") && widget->isWindow())
        return new AccessibleSheet(widget);
    return nullptr;
}

} // namespace

void InstallAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

void HideFromAssistiveTechnology(QWidget& widget) {
    widget.setProperty(kHidden, true);
}

void Announce(QWidget& from, const QString& text) {
    InstallAccessibility();
    QWidget* window = from.window();
    auto* announcer = window->findChild<Announcer*>(QString(), Qt::FindDirectChildrenOnly);
    if (announcer == nullptr)
        announcer = new Announcer(window);
    announcer->text = text;
    QAccessibleEvent named(announcer, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent shown(announcer, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace widgets

#include "accessible_cell.moc"
