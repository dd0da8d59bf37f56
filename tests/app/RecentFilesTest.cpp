#include "app/RecentFiles.h"
#include "app/AppSettings.h"

#include <QDir>
#include <QTemporaryDir>

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

// Another designer stored its list meanwhile: saving keeps this one's first, then the others'.
TEST(RecentFiles, SavingMergesWhatAnotherDesignerStored) {
    const struct {
        const char* what;
        QStringList stored; // by the other designer, most recent first
        QStringList added;  // here, oldest first
        QStringList removed;
        QStringList saved;
    } cases[] = {
        {"nothing stored", {}, {"/a"}, {}, {"/a"}},
        {"this designer's first", {"/s1", "/s2"}, {"/a", "/b"}, {}, {"/b", "/a", "/s1", "/s2"}},
        {"each once", {"/a", "/s1"}, {"/b", "/a"}, {}, {"/a", "/b", "/s1"}},
        {"eight at most",
         {"/s1", "/s2", "/s3", "/s4", "/s5", "/s6", "/s7", "/s8"},
         {"/a", "/b"},
         {},
         {"/b", "/a", "/s1", "/s2", "/s3", "/s4", "/s5", "/s6"}},
        {"removed here stays out", {"/s1", "/s2"}, {"/a"}, {"/s1"}, {"/a", "/s2"}},
    };
    for (const auto& c : cases) {
        QTemporaryDir folder;
        platform::Registry registry(folder.path());
        const platform::RegKey key = app::OpenSettingsKey(registry);
        app::RecentFiles other;
        for (auto path = c.stored.rbegin(); path != c.stored.rend(); ++path)
            other.Add(*path);
        other.Save(registry, key);

        app::RecentFiles here;
        for (const QString& path : c.added)
            here.Add(path);
        for (const QString& path : c.removed)
            here.Remove(path);
        here.Save(registry, key);
        app::RecentFiles saved;
        saved.Load(registry, key);
        EXPECT_EQ(saved.Paths(), c.saved) << c.what;
    }
}

} // namespace
