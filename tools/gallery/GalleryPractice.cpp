#include "Gallery.h"

#include "practice/ChapterTableModel.h"
#include "practice/TFrmLxxt.h"
#include "practice/TFrmkmmc.h"
#include "question/AnswerPad.h"
#include "question/FaceButton.h"
#include "question/QuestionView.h"
#include "question/TFrmBj.h"
#include "question/TFrmJx.h"
#include "question/TfrmAnswFagui.h"
#include "store/ChapterTable.h"
#include "store/PracticeStatement.h"
#include "store/StatementBinding.h"
#include "store/TDM1.h"
#include "ui/AppContext.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QTableView>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Columns = u"SELECT A1, A2, A2_1, K3, K4, K5, K6, K7, K8, K9, K10, K11, K12, A10, A13, A14,"
                        u" E1, E2, E2_1, E3, E4, F1, xx, csbs, ecount FROM tab_answ"_s;

// The first key a statement finds in the bank, or empty; read through a connection of its own.
QString firstKey(TDM1& dm, const QString& sql)
{
    SQLite::Database db(TDM1::bankPathIn(dm.ProgramFolder()).toStdString(), SQLite::OPEN_READONLY);
    SQLite::Statement query(db, sql.toStdString());
    return query.executeStep() ? StatementBinding::text(query, 0) : QString();
}

void press(QWidget& window, const QString& name)
{
    if (auto* button = window.findChild<QAbstractButton*>(name); button && button->isEnabled())
        button->click();
}

void choose(TFrmLxxt& window, const QString& letters)
{
    AnswerPad* pad = window.questionView()->pad();
    for (const QChar letter : letters) {
        if (QAbstractButton* option = pad->option(pad->page(), letter.unicode() - u'A'))
            option->click();
    }
}

void renderBrowser(GalleryContext& g, const QString& suffix)
{
    TFrmkmmc browser(g.ctx);
    browser.show();
    // A practised leaf chapter, as the browser shows it after a run.
    ChapterTableModel* chapters = browser.chapters();
    for (int row = 0; row < chapters->rowCount(); ++row) {
        if (chapters->chapter(row).C1.size() == 6 && chapters->chapter(row).D1 > 0) {
            browser.grid()->selectRow(row);
            break;
        }
    }
    g.save(browser, u"TFrmkmmc"_s + suffix);
}

// One question of a practice window: the set is the statement's questions.
void renderPractice(GalleryContext& g, const PracticeStatement& set, const QString& name,
                    const std::function<void(TFrmLxxt&)>& prepare)
{
    g.ctx.PracticeQuery = set;
    TFrmLxxt window(g.ctx);
    if (!window.LoadPracticeSet())
        return;
    window.show();
    prepare(window);
    // Some of the question's time has gone.
    for (int tick = 0; tick < 35; ++tick)
        window.timeLimitTick();
    QCoreApplication::processEvents();
    g.save(window, name);
}

QString chapterCaption(TDM1& dm, const QString& code)
{
    const auto chapter = ChapterTable(dm).find(code);
    return chapter ? chapter->C1_1 : QString();
}

void renderPracticeWindows(GalleryContext& g, const QString& suffix)
{
    TDM1& dm = g.ctx.dm;
    // The subject with the most single-choice questions, all its questions in one run.
    const QString chapter = firstKey(dm, u"SELECT A10 FROM tab_answ WHERE A13 = 61 GROUP BY A10"
                                         u" ORDER BY count(*) DESC LIMIT 1"_s);
    g.ctx.CurrentChapterCaption = chapterCaption(dm, chapter);
    const PracticeStatement anySet{Columns + u" WHERE substr(A10, 1, 1) = ? ORDER BY A13, A10, xx, A1"_s,
                                   {chapter.left(1)}};

    renderPractice(g, anySet, u"TFrmLxxt"_s + suffix, [](TFrmLxxt& window) {
        // One right answer, one wrong, and the third question being answered.
        choose(window, window.practiceSet().record(1).A2);
        press(window, u"btnNext"_s);
        choose(window, window.practiceSet().record(2).A2 == u"A" ? u"B"_s : u"A"_s);
        press(window, u"btnNext"_s);
        choose(window, u"B"_s);
    });
    renderPractice(g, anySet, u"TFrmLxxt-multiple"_s + suffix, [](TFrmLxxt& window) {
        press(window, u"typeButton65"_s);
        choose(window, u"AC"_s);
        press(window, u"btnFinish"_s);
    });
    const QString caseKey = firstKey(
        dm, u"SELECT A1 FROM tab_answ WHERE instr(A1, '-') > 0 AND A13 IN (61, 65) ORDER BY A1 LIMIT 1"_s);
    if (!caseKey.isEmpty()) {
        const PracticeStatement caseSet{Columns + u" WHERE substr(A1, 1, 16) = ? ORDER BY A13, A1"_s,
                                        {caseKey.left(16)}};
        g.ctx.CurrentChapterCaption = chapterCaption(dm, caseKey.mid(1, 6));
        const auto showCaseQuestion = [caseKey](TFrmLxxt& window) {
            // The first choice question of the case, its shared stem above its own.
            for (int i = 0; i < TFrmLxxt::GroupSize && window.recordOfButton(i) > 0; ++i) {
                if (window.practiceSet().record(window.recordOfButton(i)).A1 == caseKey) {
                    window.numberButton(i)->click();
                    break;
                }
            }
            choose(window, u"A"_s);
        };
        renderPractice(g, caseSet, u"TFrmLxxt-shared"_s + suffix, showCaseQuestion);
        renderPractice(g, caseSet, u"TFrmLxxt-verdict"_s + suffix, [showCaseQuestion](TFrmLxxt& window) {
            showCaseQuestion(window);
            press(window, u"btnFinish"_s);
            press(window, u"btnAnswer"_s);
        });
    }

    const QString pointed =
        firstKey(dm, u"SELECT A1 FROM tab_answ WHERE K3 <> '' AND K4 <> '' ORDER BY A1 LIMIT 1"_s);
    const QString anyPointed =
        pointed.isEmpty() ? firstKey(dm, u"SELECT A1 FROM tab_answ WHERE K3 <> '' ORDER BY A1 LIMIT 1"_s)
                          : pointed;
    if (!anyPointed.isEmpty()) {
        TfrmAnswFagui points(g.ctx);
        if (points.Load(anyPointed))
            g.save(points, u"TfrmAnswFagui"_s + suffix);
    }
    {
        TFrmBj editor(g.ctx);
        editor.editor()->setPlainText(u"易错：把“首选”与“禁用”看反。\n复习第三节的表格。"_s);
        g.save(editor, u"TFrmBj"_s + suffix);
        editor.editor()->clear();
    }
    const QString explained = firstKey(dm, u"SELECT A1 FROM tab_exer WHERE jx <> '' ORDER BY A1 LIMIT 1"_s);
    if (!explained.isEmpty()) {
        TFrmJx viewer(g.ctx);
        viewer.bindExplanation(explained);
        g.save(viewer, u"TFrmJx"_s + suffix);
    }
}

} // namespace

void renderPracticeWindows(GalleryContext& g)
{
    const QString layout = g.ctx.LayoutMode;
    for (const QString& mode : {u"1024"_s, u"800"_s}) {
        g.ctx.LayoutMode = mode;
        const QString suffix = mode == u"800" ? u"-800"_s : QString();
        renderBrowser(g, suffix);
        renderPracticeWindows(g, suffix);
    }
    g.ctx.LayoutMode = layout;
}
