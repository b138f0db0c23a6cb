// velmarin-bank: builds a question bank or an upgrade file from JSON sources.
#include "BankCommand.h"

#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv)
{
    // Rich text is converted by QTextDocument, which needs a GUI application but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList arguments = QGuiApplication::arguments();
    arguments.removeFirst();
    QTextStream errors(stderr);
    return BankCommand::run(arguments, errors);
}
