#pragma once
// The program's message boxes: a plain message under the program's title, and the general
// handler's box that shows a failure's own text and lets the program go on.

#include <QObject>
#include <QString>

#include <exception>
#include <functional>
#include <type_traits>
#include <utility>

class QWidget;

namespace ui {

inline constexpr char kProgramTitle[] = "Tallyrune";

void ShowMessage(QWidget* parent, const QString& text);
void ShowFailure(QWidget* parent, const std::exception& failure);

// Runs `action`; a failure is shown and false returned. Failures must not cross Qt's event loop.
bool RunShowingFailures(QWidget* parent, const std::function<void()>& action);

// The window over which a failure of `receiver`'s command is shown: itself when it is a
// widget, else the active window.
QWidget* FailureParent(QObject* receiver);

// A slot for the signal type `Signal` that runs `slot` (a member of `receiver`, or any callable)
// through RunShowingFailures, with the signal's arguments or, if it takes none, without them.
template <class Signal>
struct CommandSlot;
template <class Sender, class... Arguments>
struct CommandSlot<void (Sender::*)(Arguments...)> {
    template <class Receiver, class Slot>
    static auto For(Receiver* receiver, Slot slot) {
        return [receiver, slot](Arguments... arguments) {
            RunShowingFailures(FailureParent(receiver), [&] {
                if constexpr (std::is_member_function_pointer_v<Slot>) {
                    if constexpr (std::is_invocable_v<Slot, Receiver*, Arguments...>)
                        std::invoke(slot, receiver, arguments...);
                    else
                        std::invoke(slot, receiver);
                } else if constexpr (std::is_invocable_v<const Slot&, Arguments...>) {
                    std::invoke(slot, arguments...);
                } else {
                    std::invoke(slot);
                }
            });
        };
    }
};

// QObject::connect for commands: what the slot throws is shown over `receiver` (or the active
// window) and never unwinds through Qt.
template <class Sender, class Signal, class Receiver, class Slot>
QMetaObject::Connection ConnectCommand(Sender* sender, Signal signal, Receiver* receiver,
                                       Slot slot) {
    return QObject::connect(sender, signal, receiver,
                            CommandSlot<Signal>::For(receiver, std::move(slot)));
}

} // namespace ui
