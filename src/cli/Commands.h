#pragma once
// The commands of tallyrune-cli; each takes the words after the command name.

#include <ostream>
#include <string>
#include <vector>

namespace cli {

using Words = std::vector<std::string>;

void RunExport(const Words& args, std::ostream& out);
void RunInfo(const Words& args, std::ostream& out);
void RunTypes(const Words& args, std::ostream& out);
void RunPrint(const Words& args, std::ostream& out);
void RunTestPage(const Words& args, std::ostream& out);

} // namespace cli
