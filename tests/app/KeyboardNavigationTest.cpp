#include "FakeServices.h"

#include "ui/FramelessDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// A window of the usual shape: a grid, a button after it, and a close hook that counts.
class GridWindow : public FramelessDialog
{
public:
    explicit GridWindow(const ScreenInfo& screen) : FramelessDialog(screen)
    {
        m_model.setRowCount(3);
        m_model.setColumnCount(3);
        grid = new QTableView(this);
        grid->setModel(&m_model);
        after = new QPushButton(u"开始"_s, this);
        after->setAutoDefault(false);
        auto* row = new QHBoxLayout(this);
        row->addWidget(grid);
        row->addWidget(after);
        connect(grid, &QTableView::doubleClicked, this, [this](const QModelIndex& i) { doubled << i.row(); });
        connect(grid, &QTableView::activated, this, [this] { ++activations; });
    }

    QTableView* grid;
    QPushButton* after;
    QList<int> doubled;
    int activations = 0;
    int closeHook = 0;
    bool inert = false;

protected:
    void escapePressed() override
    {
        ++closeHook;
        if (!inert)
            FramelessDialog::escapePressed();
    }

private:
    QStandardItemModel m_model;
};

class KeyboardNavigationTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        window.grid->setFocus();
        window.grid->setCurrentIndex(window.grid->model()->index(1, 0));
    }

    FakeScreen screen;
    GridWindow window{screen};
};

TEST_F(KeyboardNavigationTest, TabLeavesTheGridForTheNextControl)
{
    QTest::keyClick(window.grid, Qt::Key_Tab);
    EXPECT_EQ(window.focusWidget(), window.after);
    QTest::keyClick(window.after, Qt::Key_Backtab);
    EXPECT_EQ(window.focusWidget(), window.grid);
}

TEST_F(KeyboardNavigationTest, ArrowsStillMoveWithinTheGrid)
{
    QTest::keyClick(window.grid, Qt::Key_Down);
    EXPECT_EQ(window.grid->currentIndex().row(), 2);
}

TEST_F(KeyboardNavigationTest, EnterOnARowDoesWhatADoubleClickDoes)
{
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter})
        QTest::keyClick(window.grid, key);
    EXPECT_EQ(window.doubled, (QList<int>{1, 1}));
    EXPECT_EQ(window.activations, 2);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(KeyboardNavigationTest, EnterWithoutACurrentRowDoesNothing)
{
    window.grid->setCurrentIndex({});
    QTest::keyClick(window.grid, Qt::Key_Return);
    EXPECT_TRUE(window.doubled.isEmpty());
}

TEST_F(KeyboardNavigationTest, EnterAndSpacePressTheFocusedButton)
{
    int presses = 0;
    QObject::connect(window.after, &QPushButton::clicked, [&presses] { ++presses; });
    window.after->setFocus();
    QTest::keyClick(window.after, Qt::Key_Return);
    QTest::keyClick(window.after, Qt::Key_Space);
    EXPECT_EQ(presses, 2);
}

TEST_F(KeyboardNavigationTest, EscapeRoutesToTheCloseHook)
{
    window.inert = true;
    QTest::keyClick(window.grid, Qt::Key_Escape);
    EXPECT_EQ(window.closeHook, 1);
    EXPECT_TRUE(window.isVisible());
    window.inert = false;
    QTest::keyClick(window.after, Qt::Key_Escape);
    EXPECT_EQ(window.closeHook, 2);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Rejected);
}

TEST(KeyboardNavigation, LeavesAComboBoxPopupItsOwnEnter)
{
    FakeScreen screen;
    FramelessDialog window(screen);
    auto* combo = new QComboBox(&window);
    combo->addItems({u"甲"_s, u"乙"_s});
    window.show();
    QAbstractItemView* popupList = combo->view();
    int activated = 0;
    QObject::connect(popupList, &QAbstractItemView::doubleClicked, [&activated] { ++activated; });
    popupList->setCurrentIndex(popupList->model()->index(1, 0));
    QTest::keyClick(popupList, Qt::Key_Return);
    EXPECT_EQ(activated, 0);
}

} // namespace
