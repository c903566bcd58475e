#include "AppCommonAudio.h"

#include "content/AppCommon.h"
#include "platform/media/AudioPlayer.h"
#include "platform/media/AudioSession.h"
#include "platform/media/MediaLog.h"

namespace AppCommon {
std::unique_ptr<AudioPlayer> createAudioPlayer(const QUrl &fileUrl)
{
    AudioSession &session = AudioSession::sharedInstance();
    if (!session.setCategory(AudioSession::Category::Playback) || !session.setActive(true))
        return nullptr;
    if (!fileUrl.isLocalFile()) {
        qCWarning(lcMedia, "cannot play %s: not a local file", qPrintable(fileUrl.toString()));
        return nullptr;
    }
    std::unique_ptr<AudioPlayer> player = AudioPlayer::create(fileUrl.toLocalFile());
    if (player)
        player->prepareToPlay();
    return player;
}

std::unique_ptr<AudioPlayer> playVoice(const QUrl &fileUrl, int loops)
{
    std::unique_ptr<AudioPlayer> player = createAudioPlayer(fileUrl);
    if (!player)
        return nullptr;
    player->setNumberOfLoops(loops);
    player->setVolume(1.0f);
    player->setEnableRate(true);
    const double speed = playSpeed();  // 1.0 when absent or not greater than 0
    player->setRate(float(speed > 0.0 ? speed : 1.0));
    player->prepareToPlay();
    player->play();
    return player;
}
}
