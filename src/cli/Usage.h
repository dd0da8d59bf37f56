#pragma once
// What tallyrune-cli --help, COMMAND --help and --version print; the manual page
// tallyrune-cli(1) says the same at length.

#include <string>
#include <string_view>

namespace cli {

// "usage: tallyrune-cli export ..." and the notes on that command; empty for an unknown one.
std::string CommandUsage(std::string_view command);

// Every command's synopsis, and how to ask for help and the version.
std::string GeneralUsage();

// "tallyrune-cli (Tallyrune) 1.2", the version of the build.
std::string VersionText();

} // namespace cli
