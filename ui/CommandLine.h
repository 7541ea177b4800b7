#pragma once
// The program's command line: a project to open, its report written without windows,
// help and version. Parsed apart from the windows, so that help and version need no display.

#include <QString>
#include <QStringList>

namespace CommandLine {

enum class Action {
    Start,   // start the program (or write the report) with what was given
    Help,    // print the help and exit
    Version, // print the version and exit
    Fail,    // print what is wrong and exit with an error (a report that would replace
             // its own project included)
};

struct Request {
    Action action = Action::Start;
    QString project; // the project file to open, empty for none
    QString pdf;     // with --pdf: where the report goes; no window is used
    QString text;    // what Help, Version and Fail print
};

// ARGUMENTS as QCoreApplication::arguments() gives them, the program's name first.
// The texts go through Qt's translation, so they are Russian once it is installed.
Request parse(const QStringList& arguments);

// ARGUMENTS without the options that the window system's application object takes for
// itself (-platform, -style, ...), so that a line can be judged before that object exists.
QStringList withoutToolkitOptions(const QStringList& arguments);

// The arguments as main() received them, before any application object exists.
QStringList raw(int argc, char** argv);

// Called first: a standard stream that was closed is opened on /dev/null, so that no file the
// program opens later takes its place and receives what was meant for it. Help and version
// then fail as a closed output asks.
void holdStandardStreams();

// Prints the text of a Help or Version request to standard output, of a Fail request to
// the error output, and gives the exit code: 0, 2 for a command line it refused, 1 when
// the help or the version could not be written.
int answer(const Request& request);

} // namespace CommandLine
