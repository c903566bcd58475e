#pragma once

#include "speech/AudioPowerSpectrumInfo.h"
#include "platform/ui/View.h"
#include "platform/foundation/WeakDelegate.h"
#include "audio/ZQPlayerBoxDelegate.h"
#include "ZQPlayerBoxOutDelegate.h"

#include <QString>

class Label;
class MediaTimer;
class ScrollView;
class ZQAudioSpectrumView;
class ZQPlayerBoxView;

// One voiceprint with its player: an orange panel under a frosted texture, holding a white
// horizontal scroller (no bounce) with the spectrogram, and below it a compact player box
// for the voice file. While the player plays, the spectrogram fades up to the play position
// and the scroller follows it.
//
// Geometry (screen W x H points): asMargin = H x 5 / 568, asHeight = H x 128 / 568; the
// scroller at (asMargin, asMargin), panel width - 2 asMargin wide, asHeight high; the player
// box one asMargin below it, full width, W x 30 / 320 high.
//
// The panel is its player box's delegate. play() tells outDelegate (weak) playPreHandle()
// first, so the owner can hand the play head to this panel; stop() and, one second after
// the end of the file, the finish event reset the play head (initPlay). The second runs on
// a media timer instead of a blocking wait, so the event loop keeps running; a new start or
// a stop within that second cancels it.
//
// tag: the owner's identifier of the panel (the comparison panel uses 1979 and 1985).
//
// Thread: main thread. Failure: a spectrum without frames shows no image; a missing or
// unplayable file leaves the player idle. Nothing is reported.
class ZQSpectrumPanel : public View, public ZQPlayerBoxDelegate
{
    Q_OBJECT
public:
    explicit ZQSpectrumPanel(const QRectF &frame, QWidget *parent = nullptr);
    ~ZQSpectrumPanel() override;

    float asMargin() const { return m_asMargin; }
    float asHeight() const { return m_asHeight; }
    bool needRun() const { return m_needRun; }
    void setNeedRun(bool needRun) { m_needRun = needRun; }
    ScrollView *asContainer() const { return m_asContainer; }
    ZQAudioSpectrumView *asView() const { return m_asView; }
    ZQPlayerBoxView *playerBoxView() const { return m_playerBoxView; }
    ZQPlayerBoxOutDelegate *outDelegate() const { return m_outDelegate.get(); }
    void setOutDelegate(ZQPlayerBoxOutDelegate *delegate) { m_outDelegate.set(delegate); }
    int tag() const;
    void setTag(int tag);
    QWidget *textureView() const { return m_textureView; }

    // Copies the spectrum in, renders it, sizes the scroller and sets the player up with
    // the one file.
    void setSpectrum(const QString &audioFilePath, const AudioPowerSpectrumInfo &info);
    // Content size = (max(scroller width, spectrogram width), scroller height).
    void resizeView();
    // Play head back to the start and the player box to idle.
    void initPlay();
    // True while the reset one second after the end of the file is pending.
    bool isFinishResetPending() const;
    // One line in the scroller instead of the voiceprint (a recording that held no voice).
    void showMessage(const QString &text);
    Label *messageLabel() const { return m_messageLabel; }

    // ZQPlayerBoxDelegate
    void play(AudioPlayer *player) override;
    void stop(AudioPlayer *player) override;
    void periodicTimeObserver(AudioPlayer *player, float interval) override;
    void audioPlayerDidFinishPlaying(AudioPlayer *player, bool successfully) override;

private:
    float m_asMargin;
    float m_asHeight;
    bool m_needRun = true;
    ScrollView *m_asContainer = nullptr;
    ZQAudioSpectrumView *m_asView = nullptr;
    ZQPlayerBoxView *m_playerBoxView = nullptr;
    WeakDelegate<ZQPlayerBoxOutDelegate> m_outDelegate;
    QWidget *m_textureView = nullptr;
    MediaTimer *m_finishTimer = nullptr;
    Label *m_messageLabel = nullptr;
};
