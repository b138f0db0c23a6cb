#include "Gallery.h"
#include "GalleryBank.h"

#include "knowledge/TFrmRuleLxxt.h"
#include "knowledge/TfrmLawDetail.h"
#include "knowledge/TfrmLawsFaGui.h"
#include "practice/TFrmSearch.h"
#include "question/AnswerPad.h"
#include "question/QuestionView.h"
#include "store/PracticeQueries.h"
#include "store/TDM1.h"
#include "ui/AppContext.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QListWidget>
#include <QTableWidget>

using namespace Qt::Literals::StringLiterals;

namespace {

// The catalogue, one node opened (the node with the most questions), and its key points.
void renderCatalogue(GalleryContext& g, const QString& suffix)
{
    const QString node = GalleryBank::firstText(
        g.ctx.dm, u"SELECT id FROM tab_fgmc WHERE length(id) = 6 ORDER BY q DESC, bh LIMIT 1"_s);
    TfrmLawsFaGui catalogue(g.ctx);
    catalogue.show();
    const int row = int(catalogue.nodeCodes().indexOf(node));
    if (row >= 0)
        catalogue.grid()->setCurrentCell(row, 0);
    g.save(catalogue, u"TfrmLawsFaGui"_s + suffix);
    if (row < 0)
        return;
    catalogue.openNode();
    if (TfrmLawDetail* pane = catalogue.pane(); pane && pane->list()->count() > 1)
        pane->list()->setCurrentRow(1);
    g.save(catalogue, u"TfrmLawsFaGui-node"_s + suffix);
    catalogue.toggleKeyPoints();
    if (catalogue.keyPointState() == 1)
        g.save(catalogue, u"TfrmLawsFaGui-keypoints"_s + suffix);
}

// The practice of the point with the most questions, its second question answered.
void renderPointPractice(GalleryContext& g, const QString& suffix)
{
    TDM1& dm = g.ctx.dm;
    const QString point =
        GalleryBank::firstText(dm, u"SELECT ftid FROM tab_rule ORDER BY q DESC, ftid LIMIT 1"_s);
    if (point.isEmpty())
        return;
    const QString sn =
        GalleryBank::firstText(dm, u"SELECT sn FROM tab_rule WHERE ftid = ?"_s, point).trimmed();
    g.ctx.PracticeQuery = PracticeQueries::pointSet(point);
    TFrmRuleLxxt window(g.ctx);
    window.setWindowTitle(QString());
    if (!window.LoadPracticeSet())
        return;
    window.setHintBoardText(TfrmLawsFaGui::headingOf(sn));
    window.show();
    if (auto* next = window.findChild<QAbstractButton*>(u"btnNext"_s); next && next->isEnabled())
        next->click();
    AnswerPad* pad = window.questionView()->pad();
    if (QAbstractButton* option = pad->option(pad->page(), 0))
        option->click();
    for (int tick = 0; tick < 20; ++tick)
        window.timeLimitTick();
    QCoreApplication::processEvents();
    g.save(window, u"TFrmRuleLxxt"_s + suffix);
}

void renderSearch(GalleryContext& g, const QString& suffix)
{
    TFrmSearch search(g.ctx, u"百分"_s);
    g.save(search, u"TFrmSearch"_s + suffix);
    TFrmSearch phrase(g.ctx, u"参加科技小组"_s);
    g.save(phrase, u"TFrmSearch-phrase"_s + suffix);
}

} // namespace

void renderKnowledgeWindows(GalleryContext& g)
{
    const QString layout = g.ctx.LayoutMode;
    for (const QString& mode : {u"1024"_s, u"800"_s}) {
        g.ctx.LayoutMode = mode;
        const QString suffix = mode == u"800" ? u"-800"_s : QString();
        renderCatalogue(g, suffix);
        renderPointPractice(g, suffix);
        renderSearch(g, suffix);
    }
    g.ctx.LayoutMode = layout;
}
