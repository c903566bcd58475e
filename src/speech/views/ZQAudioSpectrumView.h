#pragma once

#include "speech/AudioPowerSpectrumInfo.h"
#include "platform/ui/View.h"

#include <QImage>
#include <QString>

// One voiceprint: the spectrogram of an AudioPowerSpectrumInfo, one pixel per frame across
// and one per bin down (scaled to the view's height), with the played part faded.
//
// genereateRGBAData() renders the image once (SpectrogramRenderer) into rgbaData and makes
// the view as wide as the utterance has frames and screen height x 128 / 568 high. Painting
// only draws that image: columns below spectrumWidth x playProgress are drawn at half alpha
// (127 of 255) over the white scroller behind, the rest opaque, so a progress tick costs one
// image draw, not a new image.
//
// Thread: main thread. Failure: genereateRGBAData() returns -1 and logs "no spectrum data!"
// (level 2) when the spectrum has no frames; the view then draws nothing and keeps its frame.
class ZQAudioSpectrumView : public View
{
    Q_OBJECT
public:
    explicit ZQAudioSpectrumView(const QRectF &frame, QWidget *parent = nullptr);

    float spectrumWidth() const { return m_spectrumWidth; }
    float spectrumHeight() const { return m_spectrumHeight; }
    // The rendered pixels (RGBA8888, bin 0 at the bottom row); null before a successful
    // genereateRGBAData().
    const QImage &rgbaData() const { return m_rgbaData; }
    float playProgress() const { return m_playProgress; }
    void setPlayProgress(float progress) { m_playProgress = progress; }
    QString audioFilePath() const { return m_audioFilePath; }
    void setAudioFilePath(const QString &path) { m_audioFilePath = path; }
    const AudioPowerSpectrumInfo &powerSpectrumInfo() const { return m_powerSpectrumInfo; }
    void setPowerSpectrumInfo(const AudioPowerSpectrumInfo &info) { m_powerSpectrumInfo = info; }

    // 0 on success, -1 without data (the previous image is dropped).
    int genereateRGBAData();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    float m_spectrumWidth = 0;
    float m_spectrumHeight = 0;
    QImage m_rgbaData;
    float m_playProgress = 0;
    QString m_audioFilePath;
    AudioPowerSpectrumInfo m_powerSpectrumInfo;
};
