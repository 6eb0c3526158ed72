#include "shell/Commands.h"

#include "table/NewHand.h"

namespace tarnwick {

void MnuNew_Click(Game& G) {
    if (!G.View.MnuGameEnabled) return;
    // Until the question "are you sure you wish to start a new game?" can be asked, a game under
    // way is given up at once, so a player is never left at a table that cannot go on.
    StartNewGame(G);
}

} // namespace tarnwick
