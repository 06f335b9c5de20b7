#pragma once
// The replacement text of a match, with ECMAScript's $ references.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vexo {

// Appends `replacement` to `out` with $$, $&, $`, $' and $1..$99 resolved
// against one match of `subject`: `offsets` holds start and end of the whole
// match and then of each group (an unset group's start is size_t(-1)). A
// reference to a group the pattern does not have stays as written.
void AppendSubstitution(std::string& out, std::string_view replacement, std::string_view subject,
                        const std::vector<std::size_t>& offsets);

}  // namespace vexo
