// Records answers on the bank in PROGRAM_FOLDER until it is killed. Every
// answer differs from the last one given, so every recording is counted.
#include "platform/SystemClock.h"
#include "store/AnswerRecorder.h"
#include "store/TDM1.h"

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    SystemClock clock;
    TDM1 dm(QString::fromLocal8Bit(argv[1]), clock);
    if (!dm.successFlag())
        return 1;
    AnswerRecorder recorder(dm);
    const PracticeStatement all{u"SELECT * FROM tab_answ ORDER BY A1"_s, {}};
    for (long round = 0;; ++round) {
        QVector<QuestionRecord> questions = dm.readQuestions(all);
        for (QuestionRecord& question : questions) {
            const QString answer = question.E2_1 == u"A" ? u"B"_s : u"A"_s;
            recorder.record(question, answer);
        }
        if (round == 0) {
            std::puts("ready");
            std::fflush(stdout);
        }
    }
}
