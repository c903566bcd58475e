#pragma once

#include <QUrl>

#include <memory>

class AudioPlayer;

// The voice players of the shared AppCommon module.
//
// createAudioPlayer: sets the shared audio session's category to Playback, activates it,
// and makes a prepared player for the file. playVoice: the same, then loops (0 plays once),
// volume 1.0, rate control on, rate = the "playSpeed" preference when greater than 0, else
// 1.0; prepared and started. The caller owns the player (to stop it, or to hear of its end
// through AudioPlayer::didFinishPlaying).
//
// Thread: main thread.
// Failure: a URL that is not a local file, or a file that is missing or cannot be decoded,
// gives nothing: the screen stays silent, and the log names the file.
namespace AppCommon {
std::unique_ptr<AudioPlayer> createAudioPlayer(const QUrl &fileUrl);
std::unique_ptr<AudioPlayer> playVoice(const QUrl &fileUrl, int loops);
}
