#include "HoldToRecord.h"

#include "audio/ZQAudioRecorder.h"
#include "content/AppCommon.h"
#include "platform/foundation/Clock.h"
#include "platform/foundation/SoundSettings.h"
#include "platform/media/AudioRecorder.h"
#include "platform/media/AudioSession.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Label.h"
#include "platform/ui/PlatformColors.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewSupport.h"
#include "platform/media/MediaTimer.h"
#include "speech/views/SpectrumCompView.h"
#include "widgets/RecordingIndicatorView.h"

#include <QDir>
#include <QFileInfo>

#include <utility>

namespace {
std::function<bool()> &settingsOpener()
{
    static std::function<bool()> opener;
    return opener;
}
}

HoldToRecord::HoldToRecord() : m_audioRecorder(std::make_unique<ZQAudioRecorder>())
{
    m_audioRecorder->setRecorderDelegate(this);
}

HoldToRecord::~HoldToRecord()
{
    m_audioRecorder->stopPushed();
    // The meter belongs to the screen's view, which may outlive this recorder.
    delete m_indicator.data();
}

bool HoldToRecord::isRecording() const
{
    const AudioRecorder *recorder = m_audioRecorder->recorder();
    return recorder && recorder->isRecording();
}

QString HoldToRecord::recordingPath(const PhraseInfo &phrase)
{
    return AppCommon::recordFolderPath() + phrase.id + QStringLiteral(".caf");
}

bool HoldToRecord::begin(const PhraseInfoPtr &phrase, const QList<PhraseInfoPtr> &phrases, QWidget *alertParent)
{
    m_pressRecordingPath.clear();
    m_comparison.reset();
    if (AudioSession::sharedInstance().recordPermission() == AudioSession::RecordPermission::Denied) {
        presentMicrophoneAlert(alertParent);
        return false;
    }
    if (!phrase)
        return false;
    const QString folder = AppCommon::recordFolderPath();
    m_myVoicePath = recordingPath(*phrase);
    if (!QFileInfo::exists(folder))
        QDir().mkpath(folder);  // a failure shows as a recording that does not start
    m_audioRecorder->recordPushed(m_myVoicePath);
    AudioRecorder *recorder = m_audioRecorder->recorder();
    if (!recorder || !recorder->isRecording() || recorder->path() != m_myVoicePath)
        return false;
    m_pressRecordingPath = m_myVoicePath;
    // The model and the model voice are made ready while the learner speaks.
    m_comparison =
        SpectrumCompView::startComparison(phrase->foreignText(), AppCommon::getVoicePath(*phrase), phrases, m_assess);
    m_pressStartUs = Clock::instance().nowUs();
    showIndicator();
    return true;
}

bool HoldToRecord::end(const PhraseInfoPtr &phrase, std::shared_ptr<PronunciationComparison> *comparison)
{
    // Only what this press recorded for `phrase`, and only when it lasted long enough to
    // hold speech: anything else would score an older recording, or one of another phrase.
    AudioRecorder *recorder = m_audioRecorder->recorder();
    const QString expected = phrase ? recordingPath(*phrase) : QString();
    const bool running = !m_pressRecordingPath.isEmpty() && m_pressRecordingPath == expected && recorder
        && recorder->isRecording() && recorder->path() == expected;
    const bool recorded = running && recorder->currentTime() >= minimumRecordingSeconds;
    // The hint answers a tap, not a microphone that delivered nothing while held.
    const bool tap = running && Clock::instance().nowUs() - m_pressStartUs < qint64(minimumRecordingSeconds * 1e6);
    m_pressRecordingPath.clear();
    std::shared_ptr<PronunciationComparison> prepared = std::exchange(m_comparison, nullptr);
    m_audioRecorder->stopPushed();
    hideIndicator(tap);
    if (!recorded || !QFileInfo::exists(expected))
        return false;
    if (comparison)
        *comparison = std::move(prepared);
    return true;
}

void HoldToRecord::cancel()
{
    m_pressRecordingPath.clear();
    m_comparison.reset();
    m_audioRecorder->stopPushed();
    hideIndicator(false);
}

RecordingIndicatorView *HoldToRecord::indicatorView() const
{
    return m_indicator;
}

void HoldToRecord::setIndicatorPlace(QWidget *parent, const QRectF &frame)
{
    m_indicatorFrame = frame;
    if (m_indicator && m_indicator->parentWidget() != parent)
        delete m_indicator.data();  // its hint timer goes with it
    m_indicatorParent = parent;
    if (m_indicator)
        m_indicator->setFrame(frame);
}

void HoldToRecord::showIndicator()
{
    if (!m_indicatorParent)
        return;
    if (!m_indicator) {
        m_indicator = new RecordingIndicatorView(m_indicatorFrame, m_indicatorParent);
        m_indicator->setAccessibleName(tr("Recording"));
        m_hintTimer = new MediaTimer(m_indicator);
        m_hintTimer->setSingleShot(true);
        QObject::connect(m_hintTimer, &MediaTimer::timeout, m_indicator, &QWidget::hide);
    }
    m_hintTimer->stop();
    m_indicator->showRecording();
    m_indicator->show();
    m_indicator->raise();
}

void HoldToRecord::hideIndicator(bool tooShort)
{
    if (!m_indicator)
        return;
    if (!tooShort) {
        m_hintTimer->stop();
        m_indicator->hide();
        return;
    }
    m_indicator->showHint(tr("Tap and hold to speak."));
    m_indicator->show();
    m_indicator->raise();
    m_hintTimer->start(hintMs);
}

void HoldToRecord::periodicTimeObserver(AudioRecorder *recorder, float powerValue, float)
{
    if (!m_indicator || m_indicator->mode() != RecordingIndicatorView::Mode::Recording
        || m_pressRecordingPath.isEmpty())
        return;
    m_indicator->setLevel(powerValue);
    if (recorder)
        m_indicator->setElapsed(recorder->currentTime());
}

SpectrumCompView *HoldToRecord::openComparison(View *root, const PhraseInfoPtr &phrase,
                                               const QList<PhraseInfoPtr> &phrases, const QString &recording,
                                               std::shared_ptr<PronunciationComparison> comparison, bool assess)
{
    const qreal W = root->bounds().width();
    const qreal H = root->bounds().height();
    const qreal width = 0.9 * W;
    auto *panel = new SpectrumCompView(QRectF((W - width) / 2, (H - 0.8 * H) / 2, width, 0.8 * H), root);
    panel->show();
    panel->setPhraseInfos(phrases);
    panel->setComparison(std::move(comparison));
    panel->setWordFeedback(assess);
    panel->show(phrase->foreignText(), AppCommon::getVoicePath(*phrase), recording);
    const qreal height = panel->bodyView()->frame().height() + panel->headH();
    panel->setFrame(QRectF((W - width) / 2, (H - height) / 2, width, height));
    ViewSupport::setShadow(panel, PlatformColors::darkGray(), QPointF(3, 3), 2, 1);
    panel->raise();
    // The learner compares voiceprints; the score is not shown.
    if (Label *score = panel->testedWordScoreLbl())
        score->hide();
    return panel;
}

// On this platform recording is refused only when there is no microphone (no input device
// or no sound server): say so, and offer the desktop's sound settings.
void HoldToRecord::presentMicrophoneAlert(QWidget *parent)
{
    AlertView *alert = AlertView::alert(QString(), tr("No microphone was found."), tr("Cancel"), {tr("Open Settings")});
    QWidget *window = parent ? parent->window() : nullptr;
    // A screen closed meanwhile gets no further alert.
    QObject::connect(alert, &AlertView::clicked, alert, [window = QPointer<QWidget>(window), hadWindow = window != nullptr](int index) {
        if (index != 1 || (hadWindow && !window))
            return;
        const bool opened = settingsOpener() ? settingsOpener()() : SoundSettings::open();
        if (!opened)
            presentNoSettingsAlert(window);
    });
    alert->show(window);
}

void HoldToRecord::presentNoSettingsAlert(QWidget *window)
{
    AlertView *alert = AlertView::alert(
        QString(),
        tr("No sound settings program was found. Connect a microphone, make sure the computer's sound service is "
           "running, then hold the microphone button again."),
        tr("OK"));
    alert->show(window);
}

void HoldToRecord::setSettingsOpener(std::function<bool()> opener)
{
    settingsOpener() = std::move(opener);
}
