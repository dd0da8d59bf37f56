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

// QObject::connect for commands: the slot (a member of `receiver`, or any callable) runs
// through RunShowingFailures, so what it throws is shown and never unwinds through Qt. A slot
// that takes none of the signal's arguments is called without them.
template <class Sender, class Signal, class Receiver, class Slot>
QMetaObject::Connection ConnectCommand(Sender* sender, Signal signal, Receiver* receiver,
                                       Slot slot) {
    return QObject::connect(sender, signal, receiver, [receiver, slot](auto&&... arguments) {
        RunShowingFailures(FailureParent(receiver), [&] {
            if constexpr (std::is_member_function_pointer_v<Slot>) {
                if constexpr (std::is_invocable_v<Slot, Receiver*, decltype(arguments)...>)
                    std::invoke(slot, receiver, std::forward<decltype(arguments)>(arguments)...);
                else
                    std::invoke(slot, receiver);
            } else if constexpr (std::is_invocable_v<const Slot&, decltype(arguments)...>) {
                std::invoke(slot, std::forward<decltype(arguments)>(arguments)...);
            } else {
                std::invoke(slot);
            }
        });
    });
}

} // namespace ui
