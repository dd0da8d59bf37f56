#pragma once
// The engine's texts (its messages about a text it cannot encode, the limits and sizes of its
// symbols) in the user's language; the engine itself has no catalogue.

#include <QString>

#include <string_view>

namespace app {

QString InUsersLanguage(std::string_view engineText);

} // namespace app
