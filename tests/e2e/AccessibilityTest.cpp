// The designer as a screen reader meets it, read through the AT-SPI bus of a private D-Bus
// session: every control that takes the focus, in the main window and in each dialog opened from
// the menus, has a name that says what it is for; the menu bar speaks the user's language.

#include "e2e/DesignerDialogs.h"
#include "e2e/DesktopTest.h"

namespace e2e {
namespace {

// A session bus of the test's own; the accessibility bus starts on it when first asked for.
class AccessibleDesigner : public DesktopTest {
  protected:
    void SetUp() override {
        DesktopTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        ChildProcess& bus =
            Start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address=1"});
        ASSERT_TRUE(Eventually([&] { return !bus.Output().trimmed().isEmpty(); }))
            << bus.Describe().toStdString();
        SetEnvironment(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.Output().trimmed());
        SetEnvironment(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    }

    // The lines tests/e2e/accessible_tree.py prints in `mode` for the designer's window named
    // `title`; fails the test when the window cannot be read.
    QStringList ReadTree(const char* mode, const QString& title, const QStringList& more = {}) {
        const CommandResult read = RunCommand(
            QStringLiteral(TALLYRUNE_ACCESSIBLE_TREE),
            QStringList{QString::fromLatin1(mode), QString::number(Designer().Pid()), title} + more,
            Environment(), kPatience + 10s);
        EXPECT_TRUE(read.Ok()) << read.err.toStdString();
        return read.Text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
};

TEST_F(AccessibleDesigner, MainWindowNamesEveryControl) {
    ASSERT_FALSE(StartDesignerTyping(QStringLiteral("NAMES 1")).isEmpty()) << "no main window";
    EXPECT_EQ(ReadTree("unnamed", kMainWindow).join('\n').toStdString(), "");
}

class AccessibleDialog : public AccessibleDesigner,
                         public ::testing::WithParamInterface<DialogOpening> {};

TEST_P(AccessibleDialog, NamesEveryControl) {
    const DialogOpening& opening = GetParam();
    const WindowId window = StartDesignerTyping(QStringLiteral("NAMES 2"));
    ASSERT_FALSE(window.isEmpty()) << "no main window to type into";
    const WindowId dialog =
        OpenDialog(window, QString::fromLatin1(opening.keys), QString::fromLatin1(opening.title),
                   QString::fromLatin1(opening.name));
    ASSERT_FALSE(dialog.isEmpty()) << opening.keys << " opened no window named " << opening.title;
    EXPECT_EQ(ReadTree("unnamed", QString::fromLatin1(opening.title)).join('\n').toStdString(), "");
}

INSTANTIATE_TEST_SUITE_P(Designer, AccessibleDialog, ::testing::ValuesIn(kDesignerDialogs));

// Qt's print preview, opened from the print dialog as a screen reader's user does.
TEST_F(AccessibleDesigner, PrintPreviewNamesEveryControl) {
    const WindowId window = StartDesignerTyping(QStringLiteral("NAMES 3"));
    ASSERT_FALSE(window.isEmpty()) << "no main window to type into";
    const QString print = QStringLiteral("^Print Barcode$");
    ASSERT_FALSE(OpenDialog(window, QStringLiteral("ctrl+p"), print, QStringLiteral("print")).isEmpty());
    ReadTree("press", print, {QStringLiteral("Preview")});
    const QString preview = QStringLiteral("^Print Preview$");
    const WindowId shown = desktop().WaitForWindow(preview);
    ASSERT_FALSE(shown.isEmpty()) << "Preview opened no print preview";
    Keep(desktop().Screenshot(shown), QStringLiteral("preview"));
    EXPECT_EQ(ReadTree("unnamed", preview).join('\n').toStdString(), "");
}

struct MenuLanguage {
    const char* name;
    const char* lang;   // the session's LANG
    const char* titles; // the menu bar as a screen reader reads it, mnemonics gone
};

const MenuLanguage kMenuLanguages[] = {
    {"German", "de_DE.UTF-8", "Datei Bearbeiten Optionen Über"},
    {"C", "C", "File Edit Options About"},
};

void PrintTo(const MenuLanguage& language, std::ostream* out) {
    *out << language.name;
}

class MenusInTheUsersLanguage : public AccessibleDesigner,
                                public ::testing::WithParamInterface<MenuLanguage> {};

TEST_P(MenusInTheUsersLanguage, NameTheMenuBar) {
    SetEnvironment(QStringLiteral("LANG"), QString::fromLatin1(GetParam().lang));
    const WindowId window = StartDesigner();
    ASSERT_FALSE(window.isEmpty()) << "no main window";
    EXPECT_EQ(ReadTree("menus", kMainWindow).join(' ').toStdString(), GetParam().titles);
    Keep(desktop().Screenshot(window), QString::fromLatin1(GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(Designer, MenusInTheUsersLanguage, ::testing::ValuesIn(kMenuLanguages));

} // namespace
} // namespace e2e
