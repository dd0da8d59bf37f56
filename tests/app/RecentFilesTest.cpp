#include "app/RecentFiles.h"

#include <QDir>

#include <gtest/gtest.h>

#include <vector>

namespace {

// The list after each step: the most recent first, each document once, eight at most.
TEST(RecentFiles, TheListKeepsTheLastEightDocumentsOnce) {
    enum class Step { Add, Remove };
    const struct {
        const char* what;
        std::vector<std::pair<Step, QString>> steps;
        QStringList paths;
    } cases[] = {
        {"most recent first", {{Step::Add, "/a"}, {Step::Add, "/b"}}, {"/b", "/a"}},
        {"again moves it to the front",
         {{Step::Add, "/a"}, {Step::Add, "/b"}, {Step::Add, "/a"}},
         {"/a", "/b"}},
        {"the same file by another spelling",
         {{Step::Add, "/d/a.tlr"}, {Step::Add, "/d/./x/../a.tlr"}},
         {"/d/a.tlr"}},
        {"a relative path is made absolute",
         {{Step::Add, "a.tlr"}},
         {QDir::current().absoluteFilePath("a.tlr")}},
        {"the ninth pushes out the first",
         {{Step::Add, "/1"},
          {Step::Add, "/2"},
          {Step::Add, "/3"},
          {Step::Add, "/4"},
          {Step::Add, "/5"},
          {Step::Add, "/6"},
          {Step::Add, "/7"},
          {Step::Add, "/8"},
          {Step::Add, "/9"}},
         {"/9", "/8", "/7", "/6", "/5", "/4", "/3", "/2"}},
        {"removed", {{Step::Add, "/a"}, {Step::Add, "/b"}, {Step::Remove, "/a"}}, {"/b"}},
        {"nothing for an empty name", {{Step::Add, ""}}, {}},
    };
    for (const auto& c : cases) {
        app::RecentFiles recent;
        for (const auto& [step, path] : c.steps)
            step == Step::Add ? recent.Add(path) : recent.Remove(path);
        EXPECT_EQ(recent.Paths(), c.paths) << c.what;
    }
}

} // namespace
