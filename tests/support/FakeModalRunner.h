#pragma once

#include "platform/ModalRunner.h"

#include <QDialog>
#include <QHash>
#include <QStringList>
#include <QTimer>

#include <functional>

// Shows windows modally for real and drives them with a script per window
// class; a window without a script is closed as soon as it shows.
class FakeModalRunner final : public ModalRunner
{
public:
    using Script = std::function<void(QDialog&)>;

    void on(const QString& windowClass, Script script) { m_scripts.insert(windowClass, std::move(script)); }

    int run(QDialog& dialog) override
    {
        const QString windowClass = QString::fromLatin1(dialog.metaObject()->className());
        shown.append(windowClass);
        Script script = m_scripts.value(windowClass);
        QTimer::singleShot(0, &dialog, [&dialog, script] {
            if (script)
                script(dialog);
            else
                dialog.reject();
        });
        return dialog.exec();
    }

    QStringList shown;

private:
    QHash<QString, Script> m_scripts;
};
