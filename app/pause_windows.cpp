#include <cstdlib>

#include "app/report.h"

namespace corvalen {

// The interpreter's own pause prints its prompt and waits for a key; when it
// cannot start, the program simply goes on to exit.
void PauseForKeyPress() { static_cast<void>(std::system("pause")); }

}  // namespace corvalen
