// Renders the worksheet in the states the README shows, to PNG files in the
// folder given as the first argument.
#include "worksheet/form1.h"

#include <QApplication>
#include <QDir>
#include <QInputDialog>
#include <QPixmap>
#include <QTimer>

#include <functional>

namespace {

// Clicks through one entry procedure, typing the text into its prompt.
void Enter(Form1& form, void (Form1::*procedure)(), const QString& text) {
    QTimer::singleShot(0, [text] {
        if (auto* prompt = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
            prompt->setTextValue(text);
            prompt->accept();
        }
    });
    form.RunEvent(procedure);
}

bool Save(QWidget& widget, const QDir& out, const QString& name) {
    QApplication::processEvents();
    return widget.grab().save(out.filePath(name));
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
    return 0;
}
