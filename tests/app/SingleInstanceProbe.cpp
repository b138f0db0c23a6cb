// A helper for the single-instance tests: one process of the rule.
//   probe listen TITLE  listens as the running copy; prints "listening", then "raised" and
//                       ends with 0 when a later start asks it to come forward (4 after 20 s)
//   probe start TITLE   a later start: ends with 0 when it found a running copy, 5 when not
#include "platform/LocalSingleInstance.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    LocalSingleInstance instance(QString::fromLocal8Bit(argv[2]));
    if (std::strcmp(argv[1], "start") == 0)
        return instance.findEarlierInstance() ? 0 : 5;
    if (instance.findEarlierInstance())
        return 3;
    instance.listen([] {
        std::printf("raised\n");
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    std::printf("listening\n");
    std::fflush(stdout);
    QTimer::singleShot(20000, [] { QCoreApplication::exit(4); });
    return QCoreApplication::exec();
}
