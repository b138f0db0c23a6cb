#include "PracticeFixture.h"

#include "question/ButtonFaces.h"
#include "question/FaceButton.h"
#include "question/NumberBoard.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

TEST(NumberBoard, eachMarkHasItsReleasedAndPressedFace)
{
    PracticeContext c;
    ButtonFaces faces;
    faces.load(c.bank.programFolder(), ButtonFaces::numberFaceFiles());
    NumberBoard board(20, QSize(44, 32), u"numberButton"_s);
    board.setFaces(faces);
    struct Case
    {
        NumberMark mark;
        QString released, pressed;
    };
    const Case cases[] = {
        {NumberMark::Unanswered, u"voskup.bmp"_s, u"voskdw.bmp"_s},
        {NumberMark::Right, u"voskyes.bmp"_s, u"voskdw_r.bmp"_s},
        {NumberMark::Wrong, u"voskno.bmp"_s, u"voskdw_w.bmp"_s},
    };
    for (const Case& k : cases) {
        board.assign(3, 24, k.mark);
        FaceButton* button = board.button(3);
        EXPECT_EQ(button->releasedFace().cacheKey(), board.face(k.released).cacheKey());
        EXPECT_EQ(button->pressedFace().cacheKey(), board.face(k.pressed).cacheKey());
    }
    board.setReleasedMark(3, NumberMark::Right);
    board.setPressedMark(3, NumberMark::Wrong);
    EXPECT_EQ(board.button(3)->releasedFace().cacheKey(), board.face(u"voskyes.bmp"_s).cacheKey());
    EXPECT_EQ(board.button(3)->pressedFace().cacheKey(), board.face(u"voskdw_w.bmp"_s).cacheKey());
}

TEST(NumberBoard, spareButtonsAreDisabledAndOneButtonIsPressedAtATime)
{
    NumberBoard board(100, QSize(30, 20), u"fcShapeBtn"_s);
    EXPECT_EQ(board.findChild<FaceButton*>(u"fcShapeBtn100"_s), board.button(99));
    EXPECT_EQ(board.button(99)->text(), u"100"_s);
    board.assign(0, 1, NumberMark::Unanswered);
    board.assign(1, 2, NumberMark::Unanswered);
    board.assign(2, 0, NumberMark::Unanswered);
    EXPECT_EQ(board.recordOf(1), 2);
    EXPECT_EQ(board.recordOf(2), 0);
    EXPECT_FALSE(board.button(2)->isEnabled());

    QSignalSpy pressed(&board, &NumberBoard::pressed);
    board.press(0);
    board.press(1);
    board.press(0); // pressing the pressed one again shows its question again
    ASSERT_EQ(pressed.size(), 3);
    EXPECT_EQ(pressed.at(1).at(0).toInt(), 1);
    EXPECT_TRUE(board.button(0)->isChecked());
    EXPECT_FALSE(board.button(1)->isChecked());
}
