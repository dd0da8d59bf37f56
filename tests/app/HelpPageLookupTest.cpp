#include "app/HelpLinks.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The help page beside the program (the build folder) or in an installation's share/tallyrune.
TEST(HelpLinks, HelpPageBesideTheProgramOrInstalled) {
    struct Row {
        QStringList present;
        const char* opened;
    } rows[] = {
        {{"bin/Help.html"}, "bin/Help.html"},
        {{"share/tallyrune/Help.html"}, "share/tallyrune/Help.html"},
        {{"bin/Help.html", "share/tallyrune/Help.html"}, "bin/Help.html"},
        {{}, "bin/Help.html"},
    };
    for (const Row& row : rows) {
        QTemporaryDir root;
        const QDir dir(root.path());
        for (const QString& file : row.present) {
            dir.mkpath(QFileInfo(file).path());
            testing_support::WriteBytes(dir.filePath(file), "<html></html>");
        }
        EXPECT_EQ(app::HelpPageUrl(dir.filePath("bin")).toLocalFile(), dir.filePath(row.opened))
            << row.opened;
        EXPECT_EQ(app::OnlineSupportUrl(dir.filePath("bin")).path(),
                  app::HelpPageUrl(dir.filePath("bin")).path());
    }
}
