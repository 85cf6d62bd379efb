// Shops.
#include "shop.h"

void do_vantor_shop() {}
