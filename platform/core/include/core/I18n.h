// The one place where texts shown to the user are translated. Polish is the only
// language today, so the text is returned as it is.
#pragma once

#include <string>

namespace Core::I18n {

std::string translate(const std::string& text);

}  // namespace Core::I18n
