// Answers a subject-1 mock exam on the bank in PROGRAM_FOLDER until it is killed:
// continues the unfinished paper when there is one, else draws a new one. Every
// answer differs from the last one given, so every recording is counted, and the
// saved exam clock is the number of recordings made on the paper.
#include "platform/SystemClock.h"
#include "store/ExamAnswerRecorder.h"
#include "store/ExamProgress.h"
#include "store/PaperGenerator.h"
#include "store/PaperTable.h"
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
    const auto unfinished = ExamProgress(dm).unfinished(1);
    QString paper;
    qint64 elapsed = 0;
    if (unfinished) {
        paper = unfinished->A1;
        elapsed = unfinished->elapsedSeconds;
    } else {
        paper = PaperGenerator(dm).generate(1).A1;
    }
    ExamAnswerRecorder recorder(dm, paper);
    for (long round = 0;; ++round) {
        QVector<QuestionRecord> questions = PaperTable(dm, paper).rows();
        for (QuestionRecord& question : questions) {
            const QString answer = question.E2_1 == u"A" ? u"B"_s : u"A"_s;
            recorder.record(question, answer, ++elapsed);
        }
        if (round == 0) {
            std::puts("ready");
            std::fflush(stdout);
        }
    }
}
