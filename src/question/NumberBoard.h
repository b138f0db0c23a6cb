#pragma once

#include "ButtonFaces.h"
#include "RecordPolicy.h"

#include <QVector>
#include <QWidget>

class FaceButton;
class QButtonGroup;

// The question-number buttons of a practice or exam window, five to a row:
// each carries a record number (0 on a spare button) and shows its question's
// mark on its released and pressed faces. One button is pressed at a time.
class NumberBoard : public QWidget
{
    Q_OBJECT

public:
    // Buttons are named objectPrefix + "1" ... and captioned "1" ...
    NumberBoard(int count, const QSize& buttonSize, const QString& objectPrefix, QWidget* parent = nullptr);

    // The faces of the marks: "voskup.bmp"/"voskdw.bmp" unanswered, "voskyes.bmp"/
    // "voskdw_r.bmp" right, "voskno.bmp"/"voskdw_w.bmp" wrong, "voskover.bmp" answered.
    void setFaces(const ButtonFaces& faces) { m_faces = faces; }
    QPixmap face(const QString& file) const { return m_faces.face(file); }
    QPixmap releasedFace(NumberMark mark) const;
    QPixmap pressedFace(NumberMark mark) const;

    int count() const { return int(m_buttons.size()); }
    FaceButton* button(int index) const { return m_buttons.value(index); }
    int recordOf(int index) const { return m_records.value(index); }

    // Gives a button its record number and both faces; record 0 disables it.
    void assign(int index, int recNo, NumberMark mark);
    void setReleasedMark(int index, NumberMark mark);
    void setPressedMark(int index, NumberMark mark);
    // Clicks the button, as the user does.
    void press(int index);

Q_SIGNALS:
    void pressed(int index);

private:
    ButtonFaces m_faces;
    QVector<FaceButton*> m_buttons;
    QVector<int> m_records;
    QButtonGroup* m_group = nullptr;
};
