#include "NumberBoard.h"

#include "FaceButton.h"

#include <QButtonGroup>
#include <QGridLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int Columns = 5;

} // namespace

NumberBoard::NumberBoard(int count, const QSize& buttonSize, const QString& objectPrefix, QWidget* parent)
    : QWidget(parent), m_records(count, 0)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(4);
    m_group = new QButtonGroup(this);
    m_group->setExclusive(true);
    for (int i = 0; i < count; ++i) {
        auto* button = new FaceButton(QString::number(i + 1), this);
        button->setObjectName(objectPrefix + QString::number(i + 1));
        button->setCheckable(true);
        button->setFixedSize(buttonSize);
        m_buttons.append(button);
        m_group->addButton(button, i);
        grid->addWidget(button, i / Columns, i % Columns);
        connect(button, &FaceButton::clicked, this, [this, i] { Q_EMIT pressed(i); });
    }
}

QPixmap NumberBoard::releasedFace(NumberMark mark) const
{
    switch (mark) {
    case NumberMark::Right:
        return m_faces.face(u"voskyes.bmp"_s);
    case NumberMark::Wrong:
        return m_faces.face(u"voskno.bmp"_s);
    case NumberMark::Answered:
        return m_faces.face(u"voskover.bmp"_s);
    case NumberMark::Unanswered:
        break;
    }
    return m_faces.face(u"voskup.bmp"_s);
}

QPixmap NumberBoard::pressedFace(NumberMark mark) const
{
    switch (mark) {
    case NumberMark::Right:
        return m_faces.face(u"voskdw_r.bmp"_s);
    case NumberMark::Wrong:
        return m_faces.face(u"voskdw_w.bmp"_s);
    case NumberMark::Answered:
    case NumberMark::Unanswered:
        break;
    }
    return m_faces.face(u"voskdw.bmp"_s);
}

void NumberBoard::assign(int index, int recNo, NumberMark mark)
{
    if (FaceButton* b = button(index)) {
        m_records[index] = recNo;
        b->setEnabled(recNo > 0);
        b->setFaces(releasedFace(mark), pressedFace(mark));
    }
}

void NumberBoard::setReleasedMark(int index, NumberMark mark)
{
    if (FaceButton* b = button(index))
        b->setReleasedFace(releasedFace(mark));
}

void NumberBoard::setPressedMark(int index, NumberMark mark)
{
    if (FaceButton* b = button(index))
        b->setPressedFace(pressedFace(mark));
}

void NumberBoard::press(int index)
{
    if (FaceButton* b = button(index))
        b->click();
}
