#include "QuestionRecord.h"

#include <QHash>

using namespace Qt::Literals::StringLiterals;

QuestionRecord::Field QuestionRecord::fieldOfColumn(const QString& column)
{
    static const QHash<QString, Field> fields = [] {
        QHash<QString, Field> map{
            {u"a1"_s, Field::A1},   {u"a2"_s, Field::A2},     {u"a2_1"_s, Field::A2_1},
            {u"a10"_s, Field::A10}, {u"a13"_s, Field::A13},   {u"a14"_s, Field::A14},
            {u"e1"_s, Field::E1},   {u"e2"_s, Field::E2},     {u"e2_1"_s, Field::E2_1},
            {u"e3"_s, Field::E3},   {u"e4"_s, Field::E4},     {u"f1"_s, Field::F1},
            {u"xx"_s, Field::xx},   {u"csbs"_s, Field::csbs}, {u"ecount"_s, Field::ecount}};
        for (int k = 0; k < 10; ++k)
            map.insert(u"k"_s + QString::number(k + 3), Field(int(Field::K3) + k));
        return map;
    }();
    return fields.value(column.toLower(), Field::Ignored);
}

bool QuestionRecord::isNumeric(Field field)
{
    switch (field) {
    case Field::A2_1:
    case Field::A13:
    case Field::E3:
    case Field::E4:
    case Field::F1:
    case Field::xx:
    case Field::ecount:
        return true;
    default:
        return false;
    }
}

void QuestionRecord::setText(Field field, const QString& value)
{
    if (field >= Field::K3 && field < Field::A10) {
        K[size_t(int(field) - int(Field::K3))] = value;
        return;
    }
    switch (field) {
    case Field::A1:
        A1 = value;
        break;
    case Field::A2:
        A2 = value;
        break;
    case Field::A10:
        A10 = value;
        break;
    case Field::A14:
        A14 = value;
        break;
    case Field::E1:
        E1 = value;
        break;
    case Field::E2:
        E2 = value;
        break;
    case Field::E2_1:
        E2_1 = value;
        break;
    case Field::csbs:
        csbs = value;
        break;
    default:
        break;
    }
}

void QuestionRecord::setNumber(Field field, double value)
{
    const int number = int(value);
    switch (field) {
    case Field::A2_1:
        A2_1 = number;
        break;
    case Field::A13:
        A13 = number;
        break;
    case Field::E3:
        E3 = number;
        break;
    case Field::E4:
        E4 = number;
        break;
    case Field::F1:
        F1 = number;
        break;
    case Field::xx:
        xx = value;
        break;
    case Field::ecount:
        ecount = number;
        break;
    default:
        break;
    }
}
