#include "Gallery.h"
#include "GalleryBank.h"

#include "authoring/PointListWidget.h"
#include "authoring/RichTextEditor.h"
#include "authoring/TFrmInPut.h"
#include "authoring/TFrmSelectFG.h"
#include "authoring/TfrmTedit.h"
#include "store/CodeSchemes.h"
#include "store/PointPicker.h"
#include "store/QuestionRecord.h"
#include "store/TDM1.h"
#include "store/TypeTable.h"
#include "ui/AppContext.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>

using namespace Qt::Literals::StringLiterals;

namespace {

// The position in the picker's drop-down of the node holding the most points.
int fullestNode(TDM1& dm)
{
    PointPicker picker(dm);
    const QVector<PointPicker::Node> nodes = picker.nodes();
    int fullest = 0;
    qsizetype most = -1;
    for (int i = 0; i < nodes.size(); ++i) {
        const qsizetype count = picker.points(nodes[i].id).size();
        if (count > most) {
            most = count;
            fullest = i;
        }
    }
    return fullest;
}

void renderEntry(GalleryContext& g, const QString& suffix)
{
    TDM1& dm = g.ctx.dm;
    const QString chapter =
        GalleryBank::firstText(dm, u"SELECT C1 FROM tab_kmmc WHERE length(C1) = 6 ORDER BY bh LIMIT 1"_s);
    const QString name =
        GalleryBank::firstText(dm, u"SELECT C2 FROM tab_kmmc WHERE length(C1) = 6 ORDER BY bh LIMIT 1"_s);
    TFrmInPut window(g.ctx, chapter);
    window.setCaptionText(u"试题录入 ["_s + name + u"]"_s);
    window.stemEditor()->setHtml(
        u"<p>某药品说明书标注“每日三次，每次 2 片”，一盒 36 片，"
        u"<b>最多</b>可以服用几天？</p><p>A．4 天　B．6 天　C．8 天　D．12 天</p>"_s);
    window.explanationEditor()->setPlainText(u"每日用量 3 × 2 = 6 片，36 ÷ 6 = 6 天，选 B。"_s);
    window.findChild<QSpinBox*>(u"optionCount"_s)->setValue(4);
    window.findChild<QLineEdit*>(u"answerEdit"_s)->setText(u"B"_s);
    PointPicker picker(dm);
    for (const PointPicker::Node& node : picker.nodes()) {
        const QVector<PointPicker::Point> points = picker.points(node.id);
        for (qsizetype i = 0; i < points.size() && i < 2; ++i)
            window.points()->append(points[i].ftid, node.n + u"["_s + points[i].sn + u"]"_s);
        if (window.points()->count() > 0)
            break;
    }
    g.save(window, u"TFrmInPut"_s + suffix);
}

void renderEditing(GalleryContext& g, const QString& suffix, const QString& name, const QString& where)
{
    TDM1& dm = g.ctx.dm;
    const QString key =
        GalleryBank::firstText(dm, u"SELECT A1 FROM tab_answ WHERE "_s + where + u" ORDER BY A1 LIMIT 1"_s);
    if (key.isEmpty())
        return;
    QVector<QuestionRecord> rows = dm.readQuestions({u"SELECT * FROM tab_answ WHERE A1 = ?"_s, {key}});
    if (rows.isEmpty())
        return;
    // A subject whose type table lists the question's type.
    const int subject = g.ctx.CurrentSubject;
    for (int n = 1; n <= 5; ++n) {
        for (const TypeTable::Row& type : TypeTable(dm, n).rows()) {
            if (type.A1 == rows[0].A13)
                g.ctx.CurrentSubject = n;
        }
    }
    TfrmTedit window(g.ctx, rows[0]);
    g.save(window, name + suffix);
    g.ctx.CurrentSubject = subject;
}

void renderPicker(GalleryContext& g)
{
    TDM1& dm = g.ctx.dm;
    const int node = fullestNode(dm);
    TFrmSelectFG picker(g.ctx);
    picker.setPage(TFrmSelectFG::PickerPage);
    // One point already attached (shown ticked) and two more ticked by the user.
    const PointPicker::Node chosen = PointPicker(dm).nodes().value(node);
    const QVector<PointPicker::Point> points = PointPicker(dm).points(chosen.id);
    picker.setPickerMode(1, points.isEmpty() ? QStringList() : QStringList{points.first().ftid});
    picker.nodeList()->setCurrentIndex(node == 0 && picker.nodeList()->count() > 1 ? 1 : node);
    picker.nodeList()->setCurrentIndex(node);
    for (int row = 1; row < 3 && row < picker.pointList()->count(); ++row)
        picker.pointList()->item(row)->setCheckState(Qt::Checked);
    g.save(picker, u"TFrmSelectFG"_s);

    TFrmSelectFG instructions(g.ctx);
    instructions.setPage(TFrmSelectFG::InstructionsPage);
    g.save(instructions, u"TFrmSelectFG-instructions"_s);
}

} // namespace

void renderAuthoringWindows(GalleryContext& g)
{
    const QString layout = g.ctx.LayoutMode;
    for (const QString& mode : {u"1024"_s, u"800"_s}) {
        g.ctx.LayoutMode = mode;
        const QString suffix = mode == u"800" ? u"-800"_s : QString();
        renderEntry(g, suffix);
        renderEditing(g, suffix, u"TfrmTedit"_s, u"K3 <> '' AND K4 <> '' AND instr(A1, '-') = 0"_s);
        renderEditing(g, suffix, u"TfrmTedit-shared"_s, u"instr(A1, '-') > 0"_s);
    }
    g.ctx.LayoutMode = layout;
    renderPicker(g);
}
