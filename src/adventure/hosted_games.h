// Registers every game a dialogue's `game` step can start, under its id: fishing (1), the shops of
// Malcolm (2), Zachary (3), Hrafnirr (7), Harry (8) and the Wildman (9), the apple tree (4), the
// berry bush (5), the forest search (10) and the checks (6, 11, 12, 13). Called once at start-up,
// before any dialogue runs; calling it again changes nothing.
#pragma once

void RegisterHostedGames();
