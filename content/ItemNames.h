#pragma once
// The names of the 1250 item ids. Ids come in series whose members differ
// by a suffix ("Ⅱ" stronger, "袋" three uses, "A" all targets, "R" random
// targets); an id without a name holds no item and is never offered.
#include <cstdint>

// Fills the item name table: id 0 is " -", 710 ids have a name.
void BuildItemNames();
