#include "widgets/accessible_cell.h"

#include "widgets/display_cell.h"

#include <QAccessibleWidget>
#include <QFontMetrics>

namespace widgets {
namespace {

// A display cell as a read-only, one-line text field. The text interface lets
// a screen reader read what the cell shows; the cell announces changes itself
// (QAccessibleValueChangeEvent in DisplayCell::Changed).
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
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
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
        const QFontMetrics metrics(Cell()->font());
        const QString before = shown.mid(lineStart, offset - lineStart);
        const QChar at = shown.at(offset);
        const QRect local(DisplayCell::kBorder + metrics.horizontalAdvance(before),
                          DisplayCell::kBorder + line * metrics.height(),
                          at == u'\n' ? 0 : metrics.horizontalAdvance(at), metrics.height());
        return {Cell()->mapToGlobal(local.topLeft()), local.size()};
    }

    int offsetAtPoint(const QPoint& point) const override {
        const QString shown = Shown();
        const QFontMetrics metrics(Cell()->font());
        const QPoint local = Cell()->mapFromGlobal(point);
        if (!Cell()->rect().contains(local) || local.y() < DisplayCell::kBorder)
            return -1;
        const int line = (local.y() - DisplayCell::kBorder) / metrics.height();
        const QStringList lines = shown.split(u'\n');
        if (line >= lines.size())
            return -1;
        int offset = 0;
        for (int i = 0; i < line; ++i)
            offset += static_cast<int>(lines[i].size()) + 1;
        const QString& text = lines[line];
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

QAccessibleInterface* CellFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(DisplayCell::staticMetaObject.className())) {
        if (auto* cell = qobject_cast<DisplayCell*>(object))
            return new AccessibleCell(cell);
    }
    return nullptr;
}

} // namespace

void InstallCellAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(CellFactory);
        return true;
    }();
    (void)installed;
}

} // namespace widgets
