// tallyrune-cli templates: the built-in label sheets, one a line, all or those a search matches.

#include "support/CliRunner.h"
#include "support/QtPrint.h"

#include <gtest/gtest.h>

namespace {

using testing_support::RunCli;

TEST(TemplatesCli, ListsTheSheetsASearchMatches) {
    const struct {
        QStringList search;
        int exitCode;
        QStringList lines; // simplified: blanks between columns as one
        const char* error;
    } cases[] = {
        {{"L7163"}, 0, {"Avery L7163 Address Labels A4 99.1 x 38.1 mm 14"}, ""},
        {{"2.625"},
         0,
         {"Avery 5160 Address Labels Letter 2.625 x 1 in 30",
          "Avery 8160 Address Labels, inkjet Letter 2.625 x 1 in 30"},
         ""},
        {{"38,1", "x", "99,1mm", "inkjet"},
         0,
         {"Avery J8163 Address Labels, inkjet A4 99.1 x 38.1 mm 14"},
         ""},
        {{"9999"}, 1, {}, "tallyrune-cli: No label sheet matches \"9999\"\n"},
    };
    for (const auto& c : cases) {
        const auto run = RunCli(QStringList{"templates"} + c.search);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.search.join(' ').toStdString();
        QStringList lines;
        for (const QString& line : run.out.split('\n', Qt::SkipEmptyParts))
            lines << line.simplified();
        EXPECT_EQ(lines, c.lines) << c.search.join(' ').toStdString();
        EXPECT_EQ(run.err, c.error);
    }
    const auto all = RunCli({"templates"});
    EXPECT_EQ(all.exitCode, 0);
    EXPECT_GE(all.out.count('\n'), 30) << "every sheet without a search";
}

} // namespace
