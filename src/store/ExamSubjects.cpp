#include "ExamSubjects.h"

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace ExamSubjects {

namespace {

const std::array<Subject, Count>& table()
{
    static const std::array<Subject, Count> subjects{{
        {1,
         u"Velmaret"_s,
         {u"1"_s, u"2"_s},
         {{61, u"1"_s, 30}, {65, u"1"_s, 40}, {66, u"1"_s, 15}, {66, u"2"_s, 15}},
         100},
        {2,
         u"Harrowgate二"_s,
         {u"10"_s, u"11"_s, u"04"_s},
         {{61, u"10"_s, 20},
          {61, u"11"_s, 17},
          {61, u"04"_s, 13},
          {62, u"10"_s, 12},
          {62, u"11"_s, 11},
          {62, u"04"_s, 7},
          {65, u"10"_s, 8},
          {65, u"11"_s, 7},
          {65, u"04"_s, 5}},
         100},
        {3,
         u"Harrowgate三"_s,
         {u"05"_s, u"08"_s, u"07"_s},
         {{61, u"05"_s, 23},
          {61, u"08"_s, 10},
          {61, u"07"_s, 17},
          {62, u"05"_s, 14},
          {62, u"08"_s, 6},
          {62, u"07"_s, 10},
          {65, u"05"_s, 8},
          {65, u"08"_s, 4},
          {65, u"07"_s, 8}},
         100},
        {4,
         u"Harrowgate四"_s,
         {u"10"_s, u"11"_s, u"05"_s, u"08"_s, u"07"_s, u"04"_s},
         {{70, u"10"_s, 2},
          {70, u"11"_s, 2},
          {70, u"05"_s, 2},
          {70, u"08"_s, 1},
          {70, u"07"_s, 2},
          {70, u"04"_s, 1}},
         10},
        {5, u"Corvane"_s, {u"05"_s}, {{64, u"05"_s, 6}}, 6},
    }};
    return subjects;
}

} // namespace

const Subject& subject(int number)
{
    const int index = number >= 1 && number <= Count ? number - 1 : 0;
    return table()[size_t(index)];
}

} // namespace ExamSubjects
