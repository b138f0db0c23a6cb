#include "BankContent.h"

using namespace Qt::Literals::StringLiterals;

QString BankContent::Place::text() const
{
    if (list.isEmpty())
        return file;
    QString entry = u"%1: %2"_s.arg(file, list);
    if (index >= 0)
        entry += u"[%1]"_s.arg(index);
    if (!key.isEmpty())
        entry += u" \"%1\""_s.arg(key);
    return entry;
}
