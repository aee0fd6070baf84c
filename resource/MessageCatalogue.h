#pragma once
// The message catalogue: every user-visible text of the suite, by number.
// Text number n is stored as string resource n + kEnglishBase, the way the
// rest of the suite asks for it through clsResource::Res.

#include <QString>
#include <cstdint>
#include <optional>

namespace Resource::MessageCatalogue {

// String resource id of text number 0; text n lives at kEnglishBase + n.
inline constexpr int32_t kEnglishBase = 1000;

// The string resource with that id, a new copy on every call;
// nullopt when no text is stored under it.
std::optional<QString> loadString(int32_t resourceId);

// How many texts the catalogue holds.
int32_t textCount();

} // namespace Resource::MessageCatalogue
