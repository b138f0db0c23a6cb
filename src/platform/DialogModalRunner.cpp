#include "DialogModalRunner.h"

#include <QDialog>

int DialogModalRunner::run(QDialog& dialog)
{
    return dialog.exec();
}
