#include "MockExam.h"

#include "TFrmExam.h"

#include "platform/ModalRunner.h"
#include "platform/ProgressScope.h"
#include "platform/ProgressWindow.h"
#include "platform/Prompts.h"
#include "question/ButtonFaces.h"
#include "question/MissingPicture.h"
#include "store/ExamProgress.h"
#include "store/PaperGenerator.h"
#include "store/PaperMarking.h"
#include "ui/AppContext.h"
#include "ui/ErrorPrompt.h"

#include <memory>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

struct PaperToOpen
{
    QString table;
    QString title;
    qint64 elapsedSeconds = 0;
};

// The unfinished paper of the subject, when the user goes on with it; a declined one is dropped.
std::optional<PaperToOpen> resumable(AppContext& ctx, int subject)
{
    ExamProgress progress(ctx.dm);
    const std::optional<ExamProgress::Unfinished> unfinished = progress.unfinished(subject);
    if (!unfinished)
        return std::nullopt;
    const int choice = ctx.services.prompts.MessageDialog(
        u"提示"_s,
        u"试卷“%1”还没有交卷（已做%2题），要继续答这份试卷么？"_s.arg(unfinished->A3)
            .arg(unfinished->answered),
        Prompts::ButtonSet::OkCancel, Prompts::Picture::Information);
    if (choice == 1)
        return PaperToOpen{unfinished->A1, unfinished->A3, unfinished->elapsedSeconds};
    PaperMarking(ctx.dm).drop(unfinished->A1);
    return std::nullopt;
}

} // namespace

void MockExam::mnks(AppContext& ctx, QWidget* owner, int subject)
{
    ctx.CurrentSubject = subject;
    std::unique_ptr<TFrmExam> exam;
    try {
        std::optional<PaperToOpen> paper = resumable(ctx, subject);
        std::optional<ProgressScope> progress;
        if (ctx.progress)
            progress.emplace(*ctx.progress, u"正在初始化数据..."_s);
        if (!paper) {
            if (progress)
                progress->setStatus(u"正在建立数据表..."_s);
            const PaperGenerator::Paper drawn = PaperGenerator(ctx.dm).generate(subject);
            paper = PaperToOpen{drawn.A1, drawn.A3, 0};
        }
        exam = std::make_unique<TFrmExam>(ctx, owner);
        if (progress)
            progress->setStatus(u"正在整理数据..."_s);
        exam->PreparePaper(paper->table, paper->title, u"new"_s, 0, u"0:00:00"_s);
        exam->setResumedSeconds(paper->elapsedSeconds);
        if (progress)
            progress->setStatus(u"正在出卷..."_s);
        exam->OpenPaper();
    } catch (const MissingPicture&) {
        ButtonFaces::reportMissingAndQuit(ctx.services.prompts);
        return;
    } catch (const std::exception& e) {
        // Generation is one transaction: nothing of a failed paper is left behind, the menu goes on.
        ErrorPrompt::show(ctx.services.prompts, e);
        return;
    }
    ctx.services.windows.run(*exam);
}
