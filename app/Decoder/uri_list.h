// File names from the text of a drop: a URI list ("file:///data/x_sbe41.hex"
// lines, percent-encoded) as file managers send it, or plain paths.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace xelo {

std::vector<std::string> filesFromUriList(std::string_view text);

} // namespace xelo
