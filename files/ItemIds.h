// Named constants of the data items (kItemXdo is the item of "%Xdo"), made
// from the one item table so no code writes a bare item number.
#pragma once

enum ItemId : int {
#define VELTO_ITEM(num, group, kind, name, var, title, width, right) kItem##name = num,
#include "files/Items.def"
#undef VELTO_ITEM
};
