#include "e2e/Desktop.h"

#include "e2e/ChildProcess.h"

namespace e2e {
namespace {

// Reads the KEY=VALUE lines of `xdotool ... --shell`.
int ShellValue(const QString& lines, const QString& key) {
    for (const QString& line : lines.split('\n'))
        if (line.startsWith(key + '=')) return line.mid(key.size() + 1).toInt();
    return 0;
}

QPoint Middle(const QRect& r) {
    return {r.x() + r.width() / 2, r.y() + r.height() / 2};
}

} // namespace

bool Desktop::Xdotool(const QStringList& args) const {
    return RunCommand(QStringLiteral("xdotool"), args, env_, kPatience).Ok();
}

QString Desktop::XdotoolOutput(const QStringList& args) const {
    return RunCommand(QStringLiteral("xdotool"), args, env_, kPatience).Text();
}

WindowId Desktop::WaitForWindow(const QString& namePattern,
                                std::chrono::milliseconds deadline) const {
    const CommandResult found =
        RunCommand(QStringLiteral("xdotool"),
                   {"search", "--sync", "--onlyvisible", "--name", namePattern}, env_, deadline);
    return found.Ok() ? found.Text().split('\n').first() : WindowId();
}

WindowId Desktop::WaitForWindowOf(qint64 pid, const QString& namePattern) const {
    const CommandResult found = RunCommand(QStringLiteral("xdotool"),
                                           {"search", "--sync", "--all", "--onlyvisible", "--pid",
                                            QString::number(pid), "--name", namePattern},
                                           env_, kPatience);
    return found.Ok() ? found.Text().split('\n').first() : WindowId();
}

bool Desktop::WaitUntilGone(const QString& namePattern) const {
    return Eventually([&] {
        return RunCommand(QStringLiteral("xdotool"),
                          {"search", "--onlyvisible", "--name", namePattern}, env_, kPatience)
            .Text()
            .isEmpty();
    });
}

QString Desktop::Name(const WindowId& window) const {
    return XdotoolOutput({"getwindowname", window});
}

QRect Desktop::Geometry(const WindowId& window) const {
    const QString shell = XdotoolOutput({"getwindowgeometry", "--shell", window});
    return {ShellValue(shell, "X"), ShellValue(shell, "Y"), ShellValue(shell, "WIDTH"),
            ShellValue(shell, "HEIGHT")};
}

bool Desktop::Activate(const WindowId& window) const {
    return Xdotool({"windowactivate", "--sync", window}) && Eventually([&] {
               return ActiveWindow() == window && XdotoolOutput({"getwindowfocus"}) == window;
           });
}

WindowId Desktop::ActiveWindow() const {
    return XdotoolOutput({"getactivewindow"});
}

bool Desktop::Minimize(const WindowId& window) const {
    return Xdotool({"windowminimize", "--sync", window});
}

bool Desktop::Close(const WindowId& window, const std::function<bool()>& closed) const {
    return Eventually([&] {
        return (Activate(window) && Key(QStringLiteral("alt+F4")) && Eventually(closed, 3s)) ||
               closed();
    });
}

bool Desktop::Type(const QString& text) const {
    return Xdotool({"type", "--delay", "40", "--", text});
}

bool Desktop::Paste(const QString& text) const {
    return RunCommand(QStringLiteral("xclip"), {"-selection", "clipboard", "-i"}, env_, kPatience,
                      text.toUtf8())
               .Ok() &&
           Eventually([&] { return Clipboard(QStringLiteral("UTF8_STRING")) == text.toUtf8(); }) &&
           Key(QStringLiteral("ctrl+v"));
}

bool Desktop::Key(const QString& keys) const {
    return Xdotool(QStringList{"key", "--clearmodifiers", "--delay", "40"} +
                   keys.split(' ', Qt::SkipEmptyParts));
}

bool Desktop::MoveAndResize(const WindowId& window, const QRect& bounds) const {
    return Xdotool({"windowsize", "--sync", window, QString::number(bounds.width()),
                    QString::number(bounds.height())}) &&
           Xdotool({"windowmove", "--sync", window, QString::number(bounds.x()),
                    QString::number(bounds.y())});
}

// xdotool's own --sync can miss a move made during a drag and then waits 15 s: ask instead.
bool Desktop::MovePointer(const QPoint& to) const {
    return Xdotool({"mousemove", QString::number(to.x()), QString::number(to.y())}) &&
           Eventually([&] {
               const QString shell = XdotoolOutput({"getmouselocation", "--shell"});
               return QPoint(ShellValue(shell, "X"), ShellValue(shell, "Y")) == to;
           });
}

bool Desktop::Click(const WindowId& window, const QPoint& at) const {
    return Xdotool({"mousemove", "--window", window, "--sync", QString::number(at.x()),
                    QString::number(at.y()), "click", "1"});
}

bool Desktop::Drag(const WindowId& from, const WindowId& to, const std::function<bool()>& started,
                   const std::function<bool()>& accepted) const {
    const QPoint start = Middle(Geometry(from));
    const QPoint end = Middle(Geometry(to));
    if (!MovePointer(start) || !Xdotool({"mousedown", "1"})) return false;
    int nudge = 0;
    const auto nudgedTo = [&](QPoint at) { return MovePointer(at + QPoint(++nudge % 2 * 2, 0)); };
    const bool began = Eventually([&] { return nudgedTo(start + QPoint(20, 0)) && started(); });
    const bool taken = began && MovePointer(end) &&
                       Eventually([&] { return accepted() || !nudgedTo(end); }) && accepted();
    return Xdotool({"mouseup", "1"}) && taken;
}

QImage Desktop::Screenshot(const WindowId& window) const {
    const CommandResult shot = RunCommand(QStringLiteral("import"),
                                          {"-window", window, "-strip", "png:-"}, env_, kPatience);
    return QImage::fromData(shot.out, "PNG");
}

QString Desktop::WindowTree() const {
    return RunCommand(QStringLiteral("xwininfo"), {"-root", "-tree"}, env_, kPatience).Text();
}

QByteArray Desktop::Clipboard(const QString& target) const {
    return RunCommand(QStringLiteral("xclip"), {"-selection", "clipboard", "-t", target, "-o"},
                      env_, kPatience)
        .out;
}

} // namespace e2e
