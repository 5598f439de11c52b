#include "shell/orbs.h"

namespace shell {

OrbTableType OrbTable;
int OrbListIndex = 0;

}  // namespace shell
