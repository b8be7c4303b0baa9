#pragma once
// How goods are named in lists and messages: an item as "name[quality]",
// a recipe, map, business card or certificate by what it refers to.
#include "content/PackedItem.h"
#include "engine/text/WString.h"

// "%S[%d]" for items; the product, area, character or quest name otherwise.
WString GoodsDisplayName(PackedItem goods);
// As above, with "レ:", "地:", "名:" or "賞:" before the things that are not items.
WString GoodsListLabel(PackedItem goods);
