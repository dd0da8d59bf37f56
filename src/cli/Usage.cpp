#include "cli/Usage.h"

namespace cli {
namespace {

// Each line is printed after "usage: " or after as many blanks.
struct CommandSynopsis {
    std::string_view command;
    std::string_view lines;
    std::string_view notes;
    bool offset = false; // takes --offset X,Y
};

constexpr CommandSynopsis kSynopses[] = {
    {"export",
     "tallyrune-cli export [DOC.TLR] [--type NAME|CODE] [--text TEXT] [--height H]\n"
     "                     [--unit in|cm] [--rotate 0|90|180|270] [--no-readable]\n"
     "                     [--font FACE] [--dpi N] [--module N|auto]\n"
     "                     [--ecc LEVEL] [--size auto|SIZE]   (two-dimensional types)\n"
     "                     [--format bmp|jpeg|tiff|wmf|emf|png|svg|pdf|zpl] [--verify]\n"
     "                     -o FILE|-\n"
     "tallyrune-cli export ... --batch LIST|- [--jobs N] [--quiet] -o PATTERN\n"
     "tallyrune-cli export ... --data FILE|- [--column N|NAME] [--header] [--jobs N]\n"
     "                     [--quiet] -o PATTERN\n",
     "-o - writes the picture to standard output, in the format --format names.\n"
     "PATTERN holds {n}, the number of the line the text is on. --batch - and --data - read\n"
     "standard input: one text per line, or CSV for --data with --column or --header.\n"
     "A record may hold 64 KiB, a line 1 MiB. On a terminal a line shows the progress of\n"
     "--batch and --data; --quiet hides it.\n"},
    {"print",
     "tallyrune-cli print DOC.TLR -o OUT.pdf|OUT.zpl [--single | --pages N | --labels N]\n"
     "                    [--skip N] [--roll] [--format pdf|zpl]\n"
     "                    [--sequence | --data FILE|- [--column N|NAME] [--header]]\n"
     "                    [--copies N] [--module auto|screen|fit|N] [--no-align-h]\n"
     "                    [--no-align-v] [--paper letter|a4|WxHin|WxHmm|MEDIA] [--dpi N]\n"
     "                    [--printer NAME [--raw-zpl]]\n"
     "                    [--save-sequence [--no-wait]] [--no-wrap] [--force]\n"
     "                    [--offset X,Y] [--quiet]\n",
     "--data - reads the records from standard input. On a terminal a line shows the pages\n"
     "printed; --quiet hides it. Ctrl+C stops the job at the next page.\n",
     true},
    {"testpage",
     "tallyrune-cli testpage -o OUT.pdf [--paper letter|a4] [--dpi N] [--printer NAME]\n"
     "                       [--offset X,Y]\n",
     "", true},
    {"calibrationpage",
     "tallyrune-cli calibrationpage -o OUT.pdf [--paper letter|a4] [--dpi N]\n"
     "                              [--printer NAME] [--unit in|cm]\n",
     ""},
    {"info",
     "tallyrune-cli info [DOC.TLR] [--type NAME|CODE] [--text TEXT] [--module N] [--dpi N]\n", ""},
    {"types", "tallyrune-cli types\n", ""},
    {"templates", "tallyrune-cli templates [SEARCH]\n", ""},
};

constexpr std::string_view kOffsetNote =
    "--offset X,Y: lengths in mm, cm or in, such as 1.5mm,-0.5mm; 0 needs no unit.\n";

constexpr std::string_view kOptionForms =
    "Options take their value as the next word or after \"=\" (--text=ABC); \"--\" ends the\n"
    "options.\n";

// The lines after "usage: " and below it.
std::string Indented(std::string_view lines, bool first) {
    std::string text;
    for (std::size_t start = 0; start < lines.size();) {
        const std::size_t end = lines.find('\n', start) + 1;
        text += first && start == 0 ? "usage: " : "       ";
        text += lines.substr(start, end - start);
        start = end;
    }
    return text;
}

} // namespace

std::string CommandUsage(std::string_view command) {
    for (const CommandSynopsis& synopsis : kSynopses)
        if (synopsis.command == command)
            return Indented(synopsis.lines, true) + std::string(synopsis.notes) +
                   std::string(synopsis.offset ? kOffsetNote : "") + std::string(kOptionForms);
    return {};
}

std::string GeneralUsage() {
    std::string text;
    for (const CommandSynopsis& synopsis : kSynopses)
        text += Indented(synopsis.lines, text.empty());
    return text +
           Indented("tallyrune-cli --help | --version\ntallyrune-cli COMMAND --help\n", false) +
           std::string(kOptionForms);
}

std::string VersionText() {
    return "tallyrune-cli (Tallyrune) " TALLYRUNE_VERSION;
}

} // namespace cli
