// Entries whose subsystem is not built yet: each does nothing and never
// reports success. A subsystem removes its entries from here as it lands.
#include "module/Entries.h"

