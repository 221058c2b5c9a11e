#include "support/sheet.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace support {

Sheet::Sheet() : form_(new Form1) {
    form_->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form_));
}

Sheet::~Sheet() {
    delete form_;
}

QWidget* Sheet::control(const QString& name) const {
    auto* widget = form_->findChild<QWidget*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
}

QString Sheet::cell(const QString& name) const {
    const QWidget* widget = control(name);
    return widget ? widget->property("text").toString() : QString();
}

QString Sheet::caption(const QString& name) const {
    QWidget* widget = control(name);
    if (!widget)
        return {};
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    return widget->property("title").toString();
}

void Sheet::click(const QString& name) {
    QWidget* widget = control(name);
    // Option buttons take the click on their indicator side.
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
}

Modal Sheet::enter(const QString& name, const QString& text) {
    auto responder = Responder::Answer(text);
    click(name);
    return responder->seen();
}

Modal Sheet::cancel(const QString& name) {
    auto responder = Responder::Cancel();
    click(name);
    return responder->seen();
}

Modal Sheet::closeBox(const QString& name) {
    auto responder = Responder::Close();
    click(name);
    return responder->seen();
}

} // namespace support
