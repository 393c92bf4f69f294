#pragma once
// What the game asks of the world around it: drawing, the stored variant, the statistics and
// the clock. The window fills these in; tests observe them. Defaults do nothing.

#include <cstdint>
#include <ctime>

class GameHost {
public:
    virtual ~GameHost() = default;

    // Bring every control up to date with the game state.
    virtual void RefreshBoard() {}
    // Show or hide the GUESS buttons (and the pegs beneath them) after a drop.
    virtual void UpdateGuessButtons() {}
    // Read the stored variant into `variant`; leave it unchanged when there is none.
    virtual void LoadActiveVariant(int32_t& variant) { (void)variant; }
    // A game has ended: add it to the statistics of its variant.
    virtual void RecordFinishedGame(int variant, int total) { (void)variant; (void)total; }
    // Seed for the one seeding of a program run: the clock in seconds unless the host fixes one.
    virtual uint32_t Seed() { return static_cast<uint32_t>(std::time(nullptr)); }
};
