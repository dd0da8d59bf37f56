// tallyrune-cli templates: the built-in label sheets, all of them or those a search matches.

#include "cli/CliArguments.h"
#include "cli/Commands.h"
#include "platform/Errors.h"
#include "print/LabelTemplateCatalogue.h"

#include <QStringList>

namespace cli {

void RunTemplates(const Words& words, std::ostream& out) {
    const CliArguments args(words, {});
    QStringList search;
    for (const auto& word : args.Positional())
        search << QString::fromStdString(word);
    const auto found = print::FindTemplates(print::BuiltInTemplates(), search.join(' '));
    if (found.empty())
        throw platform::Failure("No label sheet matches \"" + search.join(' ').toStdString() +
                                "\"");
    for (const auto& sheet : found)
        out << print::TemplateLine(sheet).toStdString() << "\n";
}

} // namespace cli
