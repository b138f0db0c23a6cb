#include "ErrorPrompt.h"

#include "platform/Prompts.h"
#include "store/StoreError.h"

using namespace Qt::Literals::StringLiterals;

namespace ErrorPrompt {

void show(Prompts& prompts, const std::exception& error)
{
    const auto* store = dynamic_cast<const StoreError*>(&error);
    prompts.MessageDialog(u"错误"_s, store ? store->message() : QString::fromUtf8(error.what()), 1, 2,
                          u"NO"_s);
}

} // namespace ErrorPrompt
