#include "ErrorPrompt.h"

#include "platform/Prompts.h"
#include "store/StoreError.h"

using namespace Qt::Literals::StringLiterals;

namespace ErrorPrompt {

QString messageOf(const std::exception& error)
{
    const auto* store = dynamic_cast<const StoreError*>(&error);
    return store ? store->message() : QString::fromUtf8(error.what());
}

void show(Prompts& prompts, const QString& text)
{
    prompts.MessageDialog(u"错误"_s, text, Prompts::ButtonSet::Ok, Prompts::Picture::Error);
}

void show(Prompts& prompts, const std::exception& error)
{
    show(prompts, messageOf(error));
}

} // namespace ErrorPrompt
