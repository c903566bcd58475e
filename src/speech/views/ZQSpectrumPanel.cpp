#include "ZQSpectrumPanel.h"

#include "platform/ui/AssetImages.h"
#include "platform/media/AudioPlayer.h"
#include "platform/ui/DeviceProfile.h"
#include "platform/ui/PlatformColors.h"
#include "platform/media/MediaTimer.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/ViewSupport.h"
#include "ZQAudioSpectrumView.h"
#include "audio/ZQPlayerBoxView.h"

#include <QPainter>

#include <algorithm>

namespace {
// A view whose background is a tiled image.
class PatternView : public View
{
public:
    PatternView(const QRectF &frame, const QImage &pattern, QWidget *parent) : View(frame, parent), m_pattern(pattern)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (m_pattern.isNull())
            return;
        QPainter painter(this);
        painter.fillRect(rect(), QBrush(m_pattern));
    }

private:
    QImage m_pattern;
};
}

ZQSpectrumPanel::ZQSpectrumPanel(const QRectF &frame, QWidget *parent)
    : View(frame, parent), m_asMargin(float(Screen::height() * 5.0 / 568.0)),
      m_asHeight(float(Screen::height() * 128.0 / 568.0))
{
    setBackgroundColor(PlatformColors::orange());
    const QRectF own = bounds();
    m_textureView = new PatternView(own, AssetImages::image(QStringLiteral("texture_frost_50")), this);

    m_asContainer = new ScrollView(QRectF(m_asMargin, m_asMargin, own.width() - 2.0 * m_asMargin, m_asHeight), this);
    m_asContainer->setBackgroundColor(Qt::white);
    m_asContainer->setBounces(false);
    m_asContainer->setShowsVerticalScrollIndicator(false);
    m_asView = new ZQAudioSpectrumView(QRectF(0, 0, m_asContainer->bounds().width(), m_asHeight));
    m_asContainer->contentView()->addSubview(m_asView);

    m_playerBoxView = new ZQPlayerBoxView(
        QRectF(0, m_asMargin + m_asHeight + m_asMargin, own.width(), Screen::width() * 30.0 / 320.0), this);
    m_playerBoxView->setDelegate(this);

    m_finishTimer = new MediaTimer(this);
    m_finishTimer->setSingleShot(true);
    m_finishTimer->setInterval(1000);
    connect(m_finishTimer, &MediaTimer::timeout, this, &ZQSpectrumPanel::initPlay);
}

ZQSpectrumPanel::~ZQSpectrumPanel() = default;

int ZQSpectrumPanel::tag() const { return ViewSupport::tag(this); }

void ZQSpectrumPanel::setTag(int tag) { ViewSupport::setTag(this, tag); }

void ZQSpectrumPanel::setSpectrum(const QString &audioFilePath, const AudioPowerSpectrumInfo &info)
{
    m_asView->setAudioFilePath(audioFilePath);
    m_asView->setPowerSpectrumInfo(info);
    m_asView->genereateRGBAData();
    resizeView();
    m_playerBoxView->setupPlayer({audioFilePath});
}

void ZQSpectrumPanel::resizeView()
{
    const QRectF container = m_asContainer->bounds();
    m_asContainer->setContentSize(
        QSizeF(std::max(container.width(), m_asView->frame().width()), container.height()));
}

void ZQSpectrumPanel::initPlay()
{
    m_finishTimer->stop();
    m_asContainer->setContentOffset(QPointF(0, 0));
    m_asView->setPlayProgress(0);
    m_asView->update();
    m_playerBoxView->setPlayStatus(0);
    m_playerBoxView->resetBtnImage();
}

bool ZQSpectrumPanel::isFinishResetPending() const { return m_finishTimer->isActive(); }

void ZQSpectrumPanel::play(AudioPlayer *player)
{
    m_finishTimer->stop();
    if (ZQPlayerBoxOutDelegate *delegate = m_outDelegate.get())
        delegate->playPreHandle(player, this);
}

void ZQSpectrumPanel::stop(AudioPlayer *) { initPlay(); }

void ZQSpectrumPanel::periodicTimeObserver(AudioPlayer *player, float)
{
    if (!m_needRun || !player || !(player->rate() > 0))
        return;
    const double duration = player->duration();
    if (!(duration > 0))
        return;
    const float progress = std::clamp(float(player->currentTime() / duration), 0.0f, 1.0f);
    m_asView->setPlayProgress(progress);
    m_asView->update();
    const double x = m_asView->frame().width() * double(progress);
    const double offset = m_asContainer->contentOffset().x();
    if (x > offset + m_asContainer->bounds().width() || x < offset)
        m_asContainer->setContentOffset(QPointF(x, 0));
}

void ZQSpectrumPanel::audioPlayerDidFinishPlaying(AudioPlayer *, bool)
{
    // The play head stays at the end for one second, then goes back to the start.
    m_finishTimer->start();
}
