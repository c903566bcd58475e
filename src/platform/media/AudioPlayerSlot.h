#pragma once

#include <memory>

class AudioPlayer;

// The one process-wide slot for the shared audio player: every playlist box plays through
// the player held here, so starting an item anywhere stops and replaces whatever played
// before, and two boxes never sound at once.
//
// The slot is emptied when the application object is destroyed, so the player never
// outlives the Qt objects it depends on.
//
// Thread: main thread. Never fails.
namespace AudioPlayerSlot {
AudioPlayer *sharedPlayer();
// Stops the previous player (if any) and destroys it, then holds `player`.
void replace(std::unique_ptr<AudioPlayer> player);
// Stops and destroys the held player.
void clear();
}
