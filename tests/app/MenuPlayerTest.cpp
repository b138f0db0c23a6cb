#include "app/MenuPlayer.h"
#include "app/MenuDescription.h"
#include "app/MenuEntry.h"
#include "app/TFrmStart.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

// Screen sizes read as such in the test names.
void PrintTo(const QSize& size, std::ostream* out)
{
    *out << size.width() << "x" << size.height();
}

namespace {

const QString ShippedMenu = QStringLiteral(VELMARIN_TEST_MENU_FILE);

class Menu : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QString error;
        ASSERT_TRUE(player.loadMovie(ShippedMenu, &error)) << qPrintable(error);
        player.resize(800, 600);
        player.show();
        player.play();
        QApplication::setActiveWindow(&player);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&player));
    }
    QString lastCommand(const QSignalSpy& spy) const
    {
        return spy.isEmpty() ? QString() : spy.last()[0].toString();
    }

    MenuPlayer player;
};

TEST(ShippedMenu, OffersEveryCommandWordOnce)
{
    QString error;
    const auto menu = MenuDescription::load(ShippedMenu, &error);
    ASSERT_TRUE(menu) << qPrintable(error);
    QStringList offered = menu->commands();
    QStringList table;
    for (const TFrmStart::Command& command : TFrmStart::commandTable()) {
        if (!table.contains(command.word))
            table.append(command.word);
    }
    EXPECT_EQ(offered.size(), QSet<QString>(offered.cbegin(), offered.cend()).size());
    offered.sort();
    table.sort();
    EXPECT_EQ(offered, table);
}

TEST_F(Menu, EntriesAreNamedByTheirCaptionsAndTakeTheFocus)
{
    ASSERT_EQ(player.entries().size(), player.description().commands().size());
    for (const MenuEntry* entry : player.entries()) {
        EXPECT_FALSE(entry->text().isEmpty());
        EXPECT_EQ(entry->accessibleName(), entry->text());
        EXPECT_EQ(entry->focusPolicy(), Qt::StrongFocus);
        EXPECT_TRUE(entry->isVisible());
    }
    EXPECT_EQ(player.entry(u"lx"_s)->text(), u"科目一练习"_s);
    EXPECT_EQ(QApplication::focusWidget(), player.entries().first());
}

TEST_F(Menu, AClickSendsTheEntrysCommandWord)
{
    QSignalSpy commands(&player, &MenuPlayer::FSCommand);
    QTest::mouseClick(player.entry(u"szjh"_s), Qt::LeftButton);
    QTest::mouseClick(player.entry(u"quit"_s), Qt::LeftButton);
    ASSERT_EQ(commands.size(), 2);
    EXPECT_EQ(commands[0][0].toString(), u"szjh"_s);
    EXPECT_EQ(commands[1][0].toString(), u"quit"_s);
}

TEST_F(Menu, ArrowsMoveInTheGridAndEnterOrSpaceChoose)
{
    QSignalSpy commands(&player, &MenuPlayer::FSCommand);
    struct Step
    {
        Qt::Key key;
        const char* focus; // the command of the entry with the focus afterwards
    };
    const Step steps[] = {
        {Qt::Key_Down, "lx2"},   {Qt::Key_Down, "lx3"},   {Qt::Key_Right, "mnks3"}, {Qt::Key_Up, "mnks2"},
        {Qt::Key_Left, "lx2"},   {Qt::Key_Left, "lx2"},   {Qt::Key_Right, "mnks2"}, {Qt::Key_Right, "zsd"},
        {Qt::Key_Right, "szks"}, {Qt::Key_Right, "lnst"}, {Qt::Key_Right, "lnst"},  {Qt::Key_Down, "lxfs"},
        {Qt::Key_Down, "help"},  {Qt::Key_Down, "about"}, {Qt::Key_Down, "quit"},   {Qt::Key_Up, "about"},
        {Qt::Key_Up, "help"},    {Qt::Key_Up, "lxfs"},    {Qt::Key_Up, "lnst"},     {Qt::Key_Up, "fg"},
        {Qt::Key_Up, "fg"},
    };
    for (const Step& step : steps) {
        QTest::keyClick(QApplication::focusWidget(), step.key);
        auto* entry = qobject_cast<MenuEntry*>(QApplication::focusWidget());
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->command(), QString::fromLatin1(step.focus)) << step.key;
    }
    EXPECT_TRUE(commands.isEmpty());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(lastCommand(commands), u"fg"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    EXPECT_EQ(lastCommand(commands), u"lnst"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(lastCommand(commands), u"lnst"_s);
    EXPECT_EQ(commands.size(), 3);
}

TEST_F(Menu, TabVisitsEveryEntryGroupByGroup)
{
    QStringList visited;
    for (qsizetype i = 0; i < player.entries().size(); ++i) {
        visited.append(qobject_cast<MenuEntry*>(QApplication::focusWidget())->command());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(visited, player.description().commands());
}

class MenuSizes : public ::testing::TestWithParam<QSize>
{
};

TEST_P(MenuSizes, EntriesFitWithoutOverlapping)
{
    MenuPlayer player;
    QString error;
    ASSERT_TRUE(player.loadMovie(ShippedMenu, &error));
    player.resize(GetParam());
    player.show();
    player.play();
    const QList<MenuEntry*> entries = player.entries();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QRect area = entries[i]->geometry();
        EXPECT_TRUE(player.rect().contains(area)) << qPrintable(entries[i]->command());
        EXPECT_GT(area.width(), entries[i]->fontMetrics().horizontalAdvance(entries[i]->text()) + 8)
            << qPrintable(entries[i]->command());
        EXPECT_GE(area.height(), entries[i]->fontMetrics().height() + 8);
        for (qsizetype j = i + 1; j < entries.size(); ++j)
            EXPECT_FALSE(area.intersects(entries[j]->geometry()))
                << qPrintable(entries[i]->command() + u" "_s + entries[j]->command());
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, MenuSizes,
                         ::testing::Values(QSize(800, 600), QSize(1024, 768), QSize(1280, 1024),
                                           QSize(1920, 1080), QSize(2560, 1440)));

TEST(MenuDescriptionFile, ThatCannotBeUsedIsRefusedWithAReason)
{
    const QByteArray cases[] = {
        "not json",
        "{\"groups\": []}",
        "{\"groups\": [{\"caption\": \"g\", \"entries\": [{\"caption\": \"练习\"}]}]}",
        "[1, 2]",
    };
    for (const QByteArray& json : cases) {
        QString error;
        EXPECT_FALSE(MenuDescription::parse(json, &error)) << json.constData();
        EXPECT_FALSE(error.isEmpty());
    }
    QTemporaryDir dir;
    MenuPlayer player;
    QString error;
    EXPECT_FALSE(player.loadMovie(dir.filePath(u"missing.json"_s), &error));
    EXPECT_TRUE(error.contains(u"missing.json"_s));
}

} // namespace
