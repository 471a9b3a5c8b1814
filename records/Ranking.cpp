#include "records/Ranking.h"

namespace glbSystem {

void Load_Rank() {}
void Save_Rank() {}
void Init_Rank() {}

} // namespace glbSystem
