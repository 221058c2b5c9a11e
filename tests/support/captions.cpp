#include "support/captions.h"

#include "widgets/frame_control.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace support {

::testing::AssertionResult CaptionFits(QWidget* widget) {
    const QFontMetrics metrics(widget->font());
    const QString name = widget->objectName();
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        const QString text = label->text();
        const bool oneLine = label->height() < 2 * metrics.height();
        // A one-line caption is drawn from the top: its advance must fit the
        // width and its ink the height.
        const QRect need =
            oneLine
                ? QRect(0, 0, metrics.horizontalAdvance(text),
                        metrics.ascent() + metrics.tightBoundingRect(text).bottom() + 1)
                : metrics.boundingRect(QRect(0, 0, label->width(), 10000), Qt::TextWordWrap, text);
        if (need.width() > label->width() || need.height() > label->height())
            return ::testing::AssertionFailure()
                   << name.toStdString() << " \"" << text.toStdString() << "\" needs "
                   << need.width() << "x" << need.height() << " in " << label->width() << "x"
                   << label->height();
        return ::testing::AssertionSuccess();
    }
    if (auto* option = qobject_cast<QRadioButton*>(widget)) {
        QStyleOptionButton style;
        style.initFrom(option);
        style.text = option->text();
        const QRect text =
            option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
        const int need = metrics.horizontalAdvance(option->text());
        if (need > text.width() || metrics.height() > option->height())
            return ::testing::AssertionFailure()
                   << name.toStdString() << " needs " << need << " in " << text.width();
        return ::testing::AssertionSuccess();
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QString text = button->text();
        text.remove(u'&');
        const int need = metrics.horizontalAdvance(text) + 8;
        if (need > button->width())
            return ::testing::AssertionFailure() << name.toStdString() << " needs " << need;
        return ::testing::AssertionSuccess();
    }
    if (auto* frame = qobject_cast<widgets::FrameControl*>(widget)) {
        const int need =
            widgets::FrameControl::kTitleIndent * 2 + metrics.horizontalAdvance(frame->title());
        if (need > frame->width())
            return ::testing::AssertionFailure() << name.toStdString() << " needs " << need;
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionSuccess();
}

} // namespace support
