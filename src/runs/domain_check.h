#pragma once
// What both runs accept as a domain, and how they refuse one.

#include "lookups/text.h"
#include "shell/view_operations.h"

namespace zerlith {

// A domain is accepted when it has more than 3 bytes; nothing else is checked.
constexpr bool domain_accepted(const Text& domain) {
    return domain.size() > 3;
}

// Shows the rejection message and returns when the user has dismissed it.
void show_rejection(ViewOperations& view);

}  // namespace zerlith
