#include "ClassesStore.h"
#include "shell/FileAssociation.h"

#include <QMetaProperty>

#include <gtest/gtest.h>

#include <optional>

namespace {

using shell::TFileAssociate;
using testing_support::ClassesStore;
using testing_support::Store;

const QString kProgram = "/opt/tr/tallyrune";
const QString kMoved = "/usr/bin/tallyrune";

// "{P}" and "{Q}" stand for the program's path before and after a move.
QStringList Expand(QStringList lines) {
    for (QString& line : lines)
        line.replace("{P}", kProgram).replace("{Q}", kMoved);
    lines.sort();
    return lines;
}

QStringList Without(QStringList lines, const QString& part) {
    lines.removeIf([&](const QString& line) { return line.contains(part); });
    return lines;
}

// The program's type key as a first start writes it.
const QStringList kTypeKey = {
    R"(Tallyrune|@=Tallyrune document)",
    R"(Tallyrune\DefaultIcon|@={P},0)",
    R"(Tallyrune\QuickView|@=*)",
    R"(Tallyrune\Shell\Open\Command|@={P} "%1")",
};
const QStringList kTlrFile = {
    R"(.TLR|@=TLRfile)",
    R"(TLRfile|@=Tallyrune document)",
    R"(TLRfile\DefaultIcon|@={P},1)",
    R"(TLRfile\QuickView|@=*)",
    R"(TLRfile\Shell\Open\Command|@={P} "%1")",
};
// Another program's type that ".TLR" names.
const QStringList kOtherType = {
    R"(.TLR|@=OtherDoc)",
    R"(OtherDoc|@=Other document)",
    R"(OtherDoc\DefaultIcon|@=C:\Other\other.exe,2)",
    R"(OtherDoc\Shell\Open\Command|@=C:\Other\other.exe "%1")",
};

class FileAssociate : public ::testing::TestWithParam<Store> {
  protected:
    // The program's association on `store`, counting its shell notifications.
    std::unique_ptr<TFileAssociate> Make(ClassesStore& store, const QString& program = kProgram) {
        auto association = shell::CreateFileAssociation(program, store.Source());
        QObject::connect(association.get(), &TFileAssociate::AssociationsChanged,
                         [this] { ++notified_; });
        notified_ = 0;
        return association;
    }
    int notified_ = 0;
};

INSTANTIATE_TEST_SUITE_P(Stores, FileAssociate,
                         ::testing::Values(Store::InMemory, Store::FileBacked),
                         ::testing::PrintToStringParamName());

TEST(FileAssociateText, NormalizeExtension) {
    const std::pair<QString, QString> rows[] = {
        {"TLR", ".TLR"}, {".TLR", ".TLR"}, {"label.TLR", ".TLR"}, {"a.b.c", ".b.c"}, {".", "."},
    };
    for (const auto& [text, normal] : rows)
        EXPECT_EQ(TFileAssociate::NormalizeExtension(text), normal) << text.toStdString();
}

TEST(FileAssociateText, StripExtensionDot) {
    const std::pair<QString, QString> rows[] = {{".TLR", "TLR"}, {"TLR", "TLR"}, {"..x", ".x"}};
    for (const auto& [text, stripped] : rows)
        EXPECT_EQ(TFileAssociate::StripExtensionDot(text), stripped) << text.toStdString();
}

// The properties in their order, as a new component and the program's own hold them.
TEST(FileAssociateText, Properties) {
    const char* const rows[][3] = {
        {"KeyName", "", "Tallyrune"},           {"PathToApp", "", "/opt/tr/tallyrune"},
        {"IconPath", "", "/opt/tr/tallyrune"},  {"Icon", "0", "0"},
        {"ShellCmd", "Open", "Open"},           {"Shell", "", "/opt/tr/tallyrune \"%1\""},
        {"TypeName", "", "Tallyrune document"}, {"ShowInNew", "false", "false"},
        {"QuickView", "false", "true"},
    };
    const TFileAssociate fresh;
    const auto program = shell::CreateFileAssociation(kProgram);
    const QMetaObject& meta = TFileAssociate::staticMetaObject;
    ASSERT_EQ(meta.propertyCount() - meta.propertyOffset(), std::size(rows));
    for (int i = 0; i < int(std::size(rows)); ++i) {
        const QMetaProperty property = meta.property(meta.propertyOffset() + i);
        EXPECT_STREQ(property.name(), rows[i][0]);
        EXPECT_EQ(property.read(&fresh).toString(), rows[i][1]) << rows[i][0];
        EXPECT_EQ(property.read(program.get()).toString(), rows[i][2]) << rows[i][0];
    }
}

TEST_P(FileAssociate, WriteTypeKey) {
    struct Row {
        const char* name;
        QStringList seed;
        bool quickView;
        QString shellCmd;
        QStringList tree;
    } rows[] = {
        {"clean system", {}, true, "Open", kTypeKey},
        {"QuickView off deletes the key",
         {R"(Tallyrune\QuickView|@=*)", R"(Tallyrune|@=Old)"},
         false,
         "Open",
         {R"(Tallyrune|@=Tallyrune document)", R"(Tallyrune\DefaultIcon|@={P},0)",
          R"(Tallyrune\Shell\Open\Command|@={P} "%1")"}},
        {"another verb",
         {},
         true,
         "Print",
         {R"(Tallyrune|@=Tallyrune document)", R"(Tallyrune\DefaultIcon|@={P},0)",
          R"(Tallyrune\QuickView|@=*)", R"(Tallyrune\Shell\Print\Command|@={P} "%1")"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ClassesStore store(GetParam());
        store.Seed(row.seed);
        const auto association = Make(store);
        association->QuickView = row.quickView;
        association->ShellCmd = row.shellCmd;
        association->WriteTypeKey();
        EXPECT_EQ(store.Lines(), Expand(row.tree));
        EXPECT_EQ(notified_, 1);
    }
}

TEST_P(FileAssociate, AssociateExtension) {
    const QString oldAssociation = R"(OtherDoc\DefaultIcon|OldAssociation=C:\Other\other.exe,2)";
    const QStringList takenOver = {
        R"(.TLR|@=OtherDoc)",
        R"(OtherDoc|@=Other document)",
        R"(OtherDoc\DefaultIcon|@={P},1)",
        oldAssociation,
        R"(OtherDoc\Shell\Open\Command|@={P} "%1")",
        R"(OtherDoc\Shell\Open\Command|OldAssociation=C:\Other\other.exe "%1")",
    };
    struct Row {
        const char* name;
        QStringList seed;
        QString extension;
        bool showInNew, quickView;
        QStringList tree;
        const char* error = nullptr;
    } rows[] = {
        {"new extension", {}, "label.TLR", false, true, kTlrFile},
        {"new, ShowInNew",
         {},
         "TLR",
         true,
         true,
         kTlrFile + QStringList{R"(.TLR\ShellNew|NullFile=)"}},
        {"new, QuickView off: not written",
         {},
         ".TLR",
         false,
         false,
         Without(kTlrFile, "QuickView")},
        {"another program's type taken over", kOtherType, ".TLR", false, true,
         takenOver + QStringList{R"(OtherDoc\QuickView|@=*)"}},
        {"ShowInNew off deletes the type's ShellNew, QuickView off its QuickView",
         kOtherType + QStringList{R"(OtherDoc\ShellNew|NullFile=)", R"(.TLR\ShellNew|NullFile=)",
                                  R"(OtherDoc\QuickView|@=*)"},
         ".TLR", false, false, takenOver + QStringList{R"(.TLR\ShellNew|NullFile=)"}},
        {"ShowInNew on writes below the extension",
         kOtherType + QStringList{R"(OtherDoc\ShellNew|NullFile=)"}, ".TLR", true, true,
         takenOver + QStringList{R"(OtherDoc\ShellNew|NullFile=)", R"(.TLR\ShellNew|NullFile=)",
                                 R"(OtherDoc\QuickView|@=*)"}},
        {"an empty description is filled",
         QStringList(kOtherType).replaceInStrings("=Other document", "="), ".TLR", false, true,
         QStringList(takenOver).replaceInStrings("=Other document", "=Tallyrune document") +
             QStringList{R"(OtherDoc\QuickView|@=*)"}},
        {"the named type is missing",
         {R"(.TLR|@=Ghost)"},
         ".TLR",
         false,
         false,
         {R"(.TLR|@=Ghost)", R"(Ghost|@=Tallyrune document)", R"(Ghost\DefaultIcon|@={P},1)",
          R"(Ghost\Shell\Open\Command|@={P} "%1")"}},
        {"an extension naming no type gets its own", {R"(.TLR|@=)"}, ".TLR", false, true, kTlrFile},
        {"a type without DefaultIcon fails",
         {R"(.TLR|@=OtherDoc)", R"(OtherDoc|@=)"},
         ".TLR",
         false,
         true,
         {R"(.TLR|@=OtherDoc)", R"(OtherDoc|@=Tallyrune document)"},
         "Failed to set data for 'OldAssociation'"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ClassesStore store(GetParam());
        store.Seed(row.seed);
        const auto association = Make(store);
        association->Icon = 1;
        association->ShowInNew = row.showInNew;
        association->QuickView = row.quickView;
        std::optional<std::string> error;
        try {
            association->AssociateExtension(row.extension);
        } catch (const platform::RegistryError& failure) {
            error = failure.what();
        }
        EXPECT_EQ(store.Lines(), Expand(row.tree));
        EXPECT_EQ(error.value_or(""), row.error ? row.error : "");
        EXPECT_EQ(notified_, row.error ? 0 : 1);
    }
}

TEST_P(FileAssociate, AssociatedExtensions) {
    const QString quoted = " \"%1\"";
    struct Row {
        const char* name;
        QStringList seed;
        QString shell;
        QStringList found;
    } rows[] = {
        {"clean system", {}, kProgram + quoted, {}},
        {"the program's extensions",
         kTypeKey + kTlrFile + QStringList{".TLX|@=TLRfile"},
         kProgram + quoted,
         {".TLR", ".TLX"}},
        {"the type's name compares with its letter case",
         kTlrFile + QStringList{".TLX|@=tlrfile"},
         kProgram + quoted,
         {".TLR"}},
        {"the program in another folder", kTlrFile, kMoved + quoted, {".TLR"}},
        {"a Windows path",
         {R"(.TLR|@=T)", R"(T\Shell\Open\Command|@=D:\tallyrune.exe "%1")"},
         R"(C:\Program Files\Tallyrune\tallyrune.exe "%1")",
         {".TLR"}},
        {"only the Open verb counts",
         {R"(.TLR|@=T)", R"(T\Shell\Edit\Command|@=/opt/tr/tallyrune "%1")"},
         kProgram + quoted,
         {}},
        {"another program's type", kOtherType, kProgram + quoted, {}},
        {"an empty command names no program", kOtherType, "", {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ClassesStore store(GetParam());
        store.Seed(Expand(row.seed));
        const auto association = Make(store);
        association->Shell = row.shell;
        EXPECT_EQ(association->AssociatedExtensions(), row.found);
        EXPECT_EQ(notified_, 0);
    }
}

// Program starts one after another on one system, the setting Path carried between them.
TEST_P(FileAssociate, AssociateDocuments) {
    const QStringList secondStart =
        Expand(kTypeKey + kTlrFile +
               QStringList{
                   R"(TLRfile\DefaultIcon|OldAssociation={P},1)",
                   R"(TLRfile\Shell\Open\Command|OldAssociation={P} "%1")",
               });
    struct Row {
        const char* name;
        QStringList seed;
        QStringList programs; // one start each
        QStringList tree;
        QString path;     // recorded after the last start
        int lastNotified; // notifications of the last start
    } rows[] = {
        {"first start on a clean system", {}, {kProgram}, kTypeKey + kTlrFile, "", 2},
        {"the second start records Path", {}, {kProgram, kProgram}, secondStart, "/opt/tr/", 1},
        {"later starts write nothing",
         {},
         {kProgram, kProgram, kProgram},
         secondStart,
         "/opt/tr/",
         0},
        {"moved: the type key keeps the old path",
         {},
         {kProgram, kProgram, kMoved},
         kTypeKey + QStringList{R"(.TLR|@=TLRfile)", R"(TLRfile|@=Tallyrune document)",
                                R"(TLRfile\DefaultIcon|@={Q},1)",
                                R"(TLRfile\DefaultIcon|OldAssociation={P},1)",
                                R"(TLRfile\QuickView|@=*)",
                                R"(TLRfile\Shell\Open\Command|@={Q} "%1")",
                                R"(TLRfile\Shell\Open\Command|OldAssociation={P} "%1")"},
         "/usr/bin/",
         1},
        {"another program's .TLR is taken over",
         kOtherType,
         {kProgram},
         kTypeKey +
             QStringList{R"(.TLR|@=OtherDoc)", R"(OtherDoc|@=Other document)",
                         R"(OtherDoc\DefaultIcon|@={P},1)",
                         R"(OtherDoc\DefaultIcon|OldAssociation=C:\Other\other.exe,2)",
                         R"(OtherDoc\QuickView|@=*)", R"(OtherDoc\Shell\Open\Command|@={P} "%1")",
                         R"(OtherDoc\Shell\Open\Command|OldAssociation=C:\Other\other.exe "%1")"},
         "",
         2},
        {"the type key is written only when missing",
         {"Tallyrune|@=Kept"},
         {kProgram},
         kTlrFile + QStringList{"Tallyrune|@=Kept"},
         "",
         1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ClassesStore store(GetParam());
        store.Seed(row.seed);
        QString path;
        for (const QString& program : row.programs)
            shell::AssociateDocuments(*Make(store, program), path);
        EXPECT_EQ(store.Lines(), Expand(row.tree));
        EXPECT_EQ(path, row.path);
        EXPECT_EQ(notified_, row.lastNotified);
    }
}

} // namespace
