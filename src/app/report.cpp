#include "app/report.h"

#include "app/multitask_report.h"
#include "app/report_output.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

namespace app {

int RunReportCommand(int& argc, char** argv, const QString& jobPath, const QString& output) {
    auto fail = [](int status, const QString& path, const QString& why) {
        std::fprintf(stderr, "%s: %s: %s\n",
                     QCoreApplication::applicationName().toLocal8Bit().constData(),
                     QDir::toNativeSeparators(path).toLocal8Bit().constData(),
                     why.toLocal8Bit().constData());
        return status;
    };
    QString error;
    std::optional<ReportPages> pages;
    if (lifting::KindOfJobFileAt(jobPath) == lifting::JobFileKind::MultiTask) {
        if (const auto file = lifting::LoadMultiTaskFile(jobPath, &error))
            pages = MultiTaskPages(*file, jobPath);
    } else if (const auto job = lifting::LoadJobFile(jobPath, &error)) {
        pages = PagesOf({*job, jobPath});
    }
    if (!pages)
        return fail(2, jobPath, error);
    // The page needs widgets but no screen: it is drawn offscreen unless the
    // user chose a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QApplication application(argc, argv);
    if (!WritePdf(*pages, output, &error))
        return fail(1, output, QStringLiteral("it cannot be written: ") + error);
    return 0;
}

} // namespace app
