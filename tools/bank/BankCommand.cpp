#include "BankCommand.h"

#include "BankChecker.h"
#include "BankSource.h"
#include "BankWriter.h"
#include "store/BaseBank.h"

#include "store/StoreError.h"

#include <QTextStream>

#include <optional>

using namespace Qt::Literals::StringLiterals;

QString BankCommand::usage()
{
    return u"用法：velmarin-bank build SOURCE OUT [--force]\n"
           u"      velmarin-bank upgrade SOURCE OUT [--force] [--base BANK]\n"_s;
}

bool BankCommand::parse(const QStringList& arguments, Options* options, QString* problem)
{
    QStringList positional;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--force"_s) {
            options->force = true;
        } else if (argument == u"--base"_s) {
            if (i + 1 >= arguments.size()) {
                *problem = u"--base 后面缺少题库文件"_s;
                return false;
            }
            options->base = arguments[++i];
        } else if (argument.startsWith(u"--"_s)) {
            *problem = u"未知选项 %1"_s.arg(argument);
            return false;
        } else {
            positional.append(argument);
        }
    }
    if (positional.size() != 3 || (positional[0] != u"build"_s && positional[0] != u"upgrade"_s)) {
        *problem = u"参数不对"_s;
        return false;
    }
    options->command = positional[0];
    options->source = positional[1];
    options->out = positional[2];
    if (options->command == u"build"_s && !options->base.isEmpty()) {
        *problem = u"--base 只用于 upgrade"_s;
        return false;
    }
    return true;
}

void BankCommand::execute(const Options& options)
{
    const bool upgrade = options.command == u"upgrade"_s;
    const BankContent content = BankSource::read(options.source);
    std::optional<BaseBank> base;
    if (!options.base.isEmpty())
        base = BaseBank::read(options.base);
    BankChecker(content, upgrade ? BankChecker::Target::Upgrade : BankChecker::Target::Bank,
                base ? &*base : nullptr)
        .check();
    const BankWriter writer(content);
    if (upgrade)
        writer.writeUpgrade(options.out, options.force);
    else
        writer.writeBank(options.out, options.force);
}

int BankCommand::run(const QStringList& arguments, QTextStream& errors)
{
    Options options;
    QString problem;
    if (!parse(arguments, &options, &problem)) {
        errors << problem << u'\n' << usage();
        errors.flush();
        return UsageError;
    }
    try {
        execute(options);
        return Success;
    } catch (const StoreError& e) {
        errors << u"velmarin-bank: "_s << e.message() << u'\n';
    } catch (const std::exception& e) {
        errors << u"velmarin-bank: "_s << QString::fromLocal8Bit(e.what()) << u'\n';
    }
    errors.flush();
    return Refused;
}
