#pragma once

#include "TestContext.h"

#include <QAbstractButton>
#include <QString>

class QWidget;

// A test context whose program folder holds the practice pictures, as the
// picture generator paints them.
struct PracticeContext : TestContext
{
    PracticeContext();

    // A leaf chapter and its ancestors (1 > 10 > 1001 > 100101), those not there yet.
    PracticeContext& chapters(const QString& leaf = QStringLiteral("100101"));
    // count single-choice questions Q001.. with answer "B" under the chapter.
    PracticeContext& singleChoices(int count, const QString& chapter = QStringLiteral("100101"),
                                   const QString& prefix = QStringLiteral("Q"));
    void removePicture(const QString& file);
};

// The control of a window with that object name; the test fails when there is none.
QAbstractButton* button(QWidget& window, const QString& name);
void click(QWidget& window, const QString& name);
QString textOf(QWidget& window, const QString& labelName);
