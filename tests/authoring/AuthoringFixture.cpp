#include "AuthoringFixture.h"

#include "authoring/TFrmSelectFG.h"

#include <QComboBox>
#include <QListWidget>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

AuthoringContext::AuthoringContext()
{
    chapters(u"100101"_s);
    bank.type(1, 71, u"简答"_s, 0, 1.0);
    bank.point(u"AA0101000001"_s).point(u"AA0101000002"_s).point(u"AA0101000003"_s).point(u"AA0102000001"_s);
}

void tick(TFrmSelectFG& picker, int row, bool on)
{
    QListWidgetItem* item = picker.pointList()->item(row);
    ASSERT_NE(item, nullptr) << row;
    picker.pointList()->setCurrentRow(row);
    item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

void chooseNode(TFrmSelectFG& picker, int index)
{
    picker.nodeList()->setCurrentIndex(index);
}
