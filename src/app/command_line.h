#pragma once

#include <QString>
#include <QStringList>

// What the program was asked to do on its command line.
namespace app {

struct Command {
    enum class Kind {
        Window,  // open the worksheet, with the file opened when one is given
        Batch,   // evaluate files (CSV, "-" for standard input, or job files)
        Report,  // write the report of files.front() to output
        Compare, // write the comparison of files[0] (before) and files[1] (after) to output
        Help,    // print text and end
        Version, // print text and end
        Error,   // print text on standard error and end with status 2
    };
    Kind kind = Kind::Window;
    QStringList files;
    QString output; // "-o FILE"; empty for standard output
    QString text;   // the help, the version or what is wrong
};

// Reads the arguments (the program name first), without needing an
// application object, so that the command can choose the one it needs.
Command ParseCommandLine(const QStringList& arguments);

} // namespace app
