#include "MenuPlayerAvailability.h"

#include <QApplication>

bool MenuPlayerAvailability::available() const
{
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}
