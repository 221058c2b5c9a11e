// Renders the worksheet in the states the README shows, to PNG files in the
// folder given as the first argument.
#include "harness/modal.h"
#include "worksheet/form1.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QTimer>

namespace {

// Clicks through one entry procedure, typing the text into its prompt.
void Enter(Form1& form, void (Form1::*procedure)(), const QString& text) {
    const auto answer = harness::Responder::Answer(text);
    form.RunEvent(procedure);
}

bool Save(QWidget& widget, const QDir& out, const QString& name) {
    QApplication::processEvents();
    return widget.grab().save(out.filePath(name));
}

// The window with the modal box that is open over it, the box drawn where it
// stands with a title bar in the style's colours (the offscreen platform has
// no window manager to draw one).
QPixmap WindowWithBox(QWidget& form, QWidget& box) {
    QPixmap shot = form.grab();
    QPainter painter(&shot);
    const QPoint at = box.mapToGlobal(QPoint(0, 0)) - form.mapToGlobal(QPoint(0, 0));
    QStyleOptionTitleBar bar;
    bar.initFrom(&box);
    bar.text = box.windowTitle();
    bar.titleBarFlags = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    bar.subControls = QStyle::SC_TitleBarLabel | QStyle::SC_TitleBarCloseButton;
    bar.titleBarState = Qt::WindowActive;
    bar.state |= QStyle::State_Active;
    const int barHeight = box.style()->pixelMetric(QStyle::PM_TitleBarHeight, &bar, &box);
    bar.rect = QRect(0, 0, box.width(), barHeight);
    painter.save();
    painter.translate(at - QPoint(0, barHeight));
    box.style()->drawComplexControl(QStyle::CC_TitleBar, &bar, &painter, &box);
    painter.restore();
    painter.drawPixmap(at, box.grab());
    painter.setPen(box.palette().color(QPalette::Shadow));
    painter.drawRect(QRect(at - QPoint(1, barHeight + 1), box.size() + QSize(1, barHeight + 1)));
    return shot;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

    Form1 form;
    form.show();
    if (!Save(form, out, QStringLiteral("worksheet-start.png")))
        return 1;

    // The worked job of the README.
    Enter(form, &Form1::EnterLoadAvg, QStringLiteral("20"));
    Enter(form, &Form1::EnterLoadMax, QStringLiteral("25"));
    Enter(form, &Form1::EnterOriginH, QStringLiteral("12"));
    Enter(form, &Form1::EnterOriginV, QStringLiteral("20"));
    Enter(form, &Form1::EnterDestinationH, QStringLiteral("20"));
    Enter(form, &Form1::EnterDestinationV, QStringLiteral("50"));
    Enter(form, &Form1::EnterOriginAngle, QStringLiteral("30"));
    Enter(form, &Form1::EnterDestinationAngle, QStringLiteral("0"));
    Enter(form, &Form1::EnterFrequency, QStringLiteral("2"));
    form.findChild<QWidget*>(QStringLiteral("Option7"))->setProperty("checked", true);
    form.RunEvent(&Form1::Calculate);
    if (!Save(form, out, QStringLiteral("worksheet-job.png")))
        return 1;

    // The HM advice, as the click on its caption "HM *" shows it: grabbed
    // once the box is up, then closed.
    bool saved = false;
    const auto grab = harness::Responder::Handle([&](QWidget& box) {
        // Once it has settled where the platform places it.
        QTimer::singleShot(50, &box, [&] {
            saved = WindowWithBox(form, box).save(out.filePath(QStringLiteral("advice-box.png")));
            box.close();
        });
    });
    form.RunEvent(&Form1::ShowHmSuggestions);
    return saved ? 0 : 1;
}
