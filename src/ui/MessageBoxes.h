#pragma once
// The program's message boxes: a plain message under the program's title, and the general
// handler's box that shows a failure's own text and lets the program go on.

#include <QString>

#include <exception>
#include <functional>

class QWidget;

namespace ui {

inline constexpr char kProgramTitle[] = "Tallyrune";

void ShowMessage(QWidget* parent, const QString& text);
void ShowFailure(QWidget* parent, const std::exception& failure);

// Runs `action`; a failure is shown and false returned. Failures must not cross Qt's event loop.
bool RunShowingFailures(QWidget* parent, const std::function<void()>& action);

} // namespace ui
