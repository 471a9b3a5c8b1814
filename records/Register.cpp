#include "records/Register.h"

namespace glbSystem {

bool Register_Rank(RankRecord&) { return false; }

} // namespace glbSystem
