#include "app/command_line.h"

#include "lifting/saving.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <utility>

namespace app {

Command ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Job analysis worksheet for the revised NIOSH lifting equation: the multipliers, the "
        "recommended weight limit and the lifting index of a two-handed lift."));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and end."));
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the program's version and end."));
    const QCommandLineOption batch(
        QStringLiteral("batch"),
        QStringLiteral("Evaluate the jobs of a CSV file (- reads standard input) or of job "
                       "files, one output row each, as CSV; no window is opened."));
    const QCommandLineOption report(
        QStringLiteral("report"),
        QStringLiteral("Write the report of a job file as a PDF page (with -o); no window is "
                       "opened."));
    const QCommandLineOption compare(
        QStringLiteral("compare"),
        QStringLiteral("Write a job before a change and after it side by side as a PDF page: "
                       "two job files, before then after, of the same kind (with -o); no "
                       "window is opened."));
    const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("Where --batch, --report or --compare writes "
                                                   "(--batch: standard output without it)."),
                                    QStringLiteral("file"));
    parser.addOptions({help, version, batch, report, compare, output});
    parser.addPositionalArgument(QStringLiteral("files"),
                                 QStringLiteral("A job file (.liftjob) to open; with --batch, "
                                                "the inputs; with --report, the job."),
                                 QStringLiteral("[files...]"));

    Command command;
    auto error = [&command](const QString& text) {
        command.kind = Command::Kind::Error;
        command.text = text;
        return command;
    };
    if (!parser.parse(arguments))
        return error(parser.errorText());
    command.files = parser.positionalArguments();
    command.output = parser.value(output);
    if (parser.isSet(help)) {
        command.kind = Command::Kind::Help;
        // Without an application object the parser does not know the name.
        command.text = parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                 QCoreApplication::applicationName());
        return command;
    }
    if (parser.isSet(version)) {
        command.kind = Command::Kind::Version;
        command.text = QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                     QCoreApplication::applicationVersion());
        return command;
    }
    if (int(parser.isSet(batch)) + int(parser.isSet(report)) + int(parser.isSet(compare)) > 1)
        return error(QStringLiteral("--batch, --report and --compare cannot be combined"));
    // Results written over an input would lose it: a survey, or a job file
    // replaced by its own report.
    for (const QString& file : std::as_const(command.files)) {
        if (lifting::IsSameFile(file, command.output))
            return error(QStringLiteral("-o %1 is one of the inputs; write to another file, so "
                                        "that the input is kept")
                             .arg(command.output));
    }
    if (parser.isSet(batch)) {
        if (command.files.isEmpty())
            return error(QStringLiteral("--batch needs an input: a CSV file, - or job files"));
        command.kind = Command::Kind::Batch;
        return command;
    }
    if (parser.isSet(report)) {
        if (command.files.size() != 1 || command.output.isEmpty())
            return error(QStringLiteral("--report needs one job file and -o OUT.pdf"));
        command.kind = Command::Kind::Report;
        return command;
    }
    if (parser.isSet(compare)) {
        if (command.files.size() != 2 || command.output.isEmpty())
            return error(QStringLiteral("--compare needs two job files, BEFORE then AFTER, and "
                                        "-o OUT.pdf"));
        command.kind = Command::Kind::Compare;
        return command;
    }
    if (!command.output.isEmpty())
        return error(QStringLiteral("-o goes with --batch, --report or --compare"));
    return command;
}

} // namespace app
