#pragma once

#include <QDate>
#include <QDateTime>

// Where the program asks what time it is; tests set the time.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }
};
