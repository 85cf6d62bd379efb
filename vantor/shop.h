// Shops: buying and selling by shop type.
#pragma once
#include "records.h"

void do_vantor_shop();                      // the shop of current_store
