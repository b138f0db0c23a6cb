#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

// The command line of velmarin-bank:
//   build SOURCE OUT [--force]
//   upgrade SOURCE OUT [--force] [--base BANK]
class BankCommand
{
public:
    static constexpr int Success = 0;
    static constexpr int Refused = 1;
    static constexpr int UsageError = 2;

    // arguments: without the program name. Refusals are written to errors.
    static int run(const QStringList& arguments, QTextStream& errors);
    static QString usage();

private:
    struct Options
    {
        QString command;
        QString source;
        QString out;
        QString base;
        bool force = false;
    };
    // False when the arguments do not make a command.
    static bool parse(const QStringList& arguments, Options* options, QString* problem);
    static void execute(const Options& options);
};
