#include "app/frmMenu.h"
#include "records/Windows.h"

namespace glbSystem {

void Open_Rank() { Menu()->show(); }
void Open_Config() { Menu()->show(); }

} // namespace glbSystem
