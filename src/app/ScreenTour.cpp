#include "ScreenTour.h"

#include "platform/ui/Button.h"
#include "CategoryController.h"
#include "CategoryView.h"
#include "MainViewController.h"
#include "content/AppCommon.h"
#include "platform/media/AudioSession.h"
#include "platform/media/FileAudioInput.h"
#include "platform/ui/NavigationController.h"
#include "PhraseCardVC.h"
#include "speech/views/SpectrumCompView.h"
#include "speech/views/WordStripView.h"
#include "WordWriteView.h"
#include "platform/ui/Window.h"
#include "audio/ZQListPlayerBoxView.h"

#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

#include <cstdio>
#include <vector>

namespace {
// Time for a push: the 0.8 s zoom and a little more.
constexpr int kTransitionMs = 1100;
// How long the microphone button is held before the recording's picture.
constexpr int kRecordingShotMs = 800;

NavigationController *navigationOf(Window *window)
{
    return qobject_cast<NavigationController *>(window->rootViewController());
}

template<class Screen>
Screen *topScreen(Window *window)
{
    return qobject_cast<Screen *>(ScreenTour::topViewController(window));
}

QList<ScreenTour::Step> defaultSteps()
{
    QList<ScreenTour::Step> steps;
    steps.append({QStringLiteral("main"),
                  [](Window *window) {
                      return topScreen<MainViewController>(window) ? QString()
                                                                    : QStringLiteral("the main screen is not shown");
                  },
                  300,
                  {}});
    steps.append({QStringLiteral("category"),
                  [](Window *window) {
                      MainViewController *main = topScreen<MainViewController>(window);
                      if (!main || main->categoryViews().isEmpty())
                          return QStringLiteral("the main screen has no category to open");
                      main->openCategory(main->categoryViews().first());
                      return QString();
                  },
                  kTransitionMs,
                  {}});
    // The list player: the first voice starts at once and marks its row.
    steps.append({QStringLiteral("category-playing"),
                  [](Window *window) {
                      CategoryController *category = topScreen<CategoryController>(window);
                      if (!category || !category->playerBoxView())
                          return QStringLiteral("the category screen is not shown");
                      ZQListPlayerBoxView *player = category->playerBoxView();
                      player->play(player->playButton());
                      return QString();
                  },
                  300,
                  [](Window *window) {
                      CategoryController *category = topScreen<CategoryController>(window);
                      return category && category->playerBoxView() && category->playerBoxView()->playStatus() == 1;
                  }});
    // A faster speed: the hint over the pressed button (it shows for 0.2 s).
    steps.append({QStringLiteral("category-faster"),
                  [](Window *window) {
                      CategoryController *category = topScreen<CategoryController>(window);
                      if (!category || !category->playerBoxView() || !category->playerBoxView()->isActive())
                          return QStringLiteral("the category screen's list is not running");
                      ZQListPlayerBoxView *player = category->playerBoxView();
                      player->speedUp(player->speedUpButton());
                      return QString();
                  },
                  50,
                  {}});
    steps.append({QStringLiteral("category-paused"),
                  [](Window *window) {
                      CategoryController *category = topScreen<CategoryController>(window);
                      if (!category || !category->playerBoxView() || !category->playerBoxView()->isActive())
                          return QStringLiteral("the category screen's list is not running");
                      ZQListPlayerBoxView *player = category->playerBoxView();
                      player->play(player->playButton());
                      return QString();
                  },
                  300,
                  {}});
    // The phrase card at the first phrase of the category.
    steps.append({QStringLiteral("card"),
                  [](Window *window) {
                      CategoryController *category = topScreen<CategoryController>(window);
                      if (!category || category->phraseViews().isEmpty())
                          return QStringLiteral("the category screen has no phrase to open");
                      category->openWordCard(category->phraseViews().first());
                      return topScreen<PhraseCardVC>(window) ? QString()
                                                             : QStringLiteral("the phrase card did not open");
                  },
                  kTransitionMs,
                  {}});
    steps.append({QStringLiteral("card-hidden"),
                  [](Window *window) {
                      PhraseCardVC *card = topScreen<PhraseCardVC>(window);
                      if (!card)
                          return QStringLiteral("the phrase card is not shown");
                      card->showAction(card->lookBtn());
                      return QString();
                  },
                  300,
                  {}});
    // The writing panel after a right answer: the text shown and the field framed green.
    steps.append({QStringLiteral("write"),
                  [](Window *window) {
                      PhraseCardVC *card = topScreen<PhraseCardVC>(window);
                      if (!card || !card->phraseInfo())
                          return QStringLiteral("the phrase card is not shown");
                      card->showAction(card->lookBtn());
                      card->writeAction(card->writeBtn());
                      WordWriteView *panel = card->wordWriteView();
                      if (!panel)
                          return QStringLiteral("the writing panel did not open");
                      panel->textField()->setText(card->phraseInfo()->foreignText());
                      panel->submitAction(panel->submitBtn());
                      return QString();
                  },
                  300,
                  {}});
    // Holding the microphone button: the level meter and the time. The recording is fed
    // from the --microphone file, or, without one, from the phrase's voice itself.
    steps.append({QStringLiteral("card-recording"),
                  [](Window *window) {
                      PhraseCardVC *card = topScreen<PhraseCardVC>(window);
                      if (!card || !card->phraseInfo())
                          return QStringLiteral("the phrase card is not shown");
                      if (WordWriteView *panel = card->wordWriteView())
                          panel->closeAction(panel->closeButton());
                      AudioSession &session = AudioSession::sharedInstance();
                      if (session.microphoneFile().isEmpty())
                          session.setMicrophoneFile(AppCommon::getVoicePath(*card->phraseInfo()));
                      return ScreenTour::holdMicrophone(
                          card, [card]() { card->beginRecordAction(card->microphoneBtn()); }, {});
                  },
                  kRecordingShotMs,
                  {}});
    // Released: the comparison panel, the phrase's own voice against the recording.
    steps.append({QStringLiteral("compare"),
                  [](Window *window) {
                      PhraseCardVC *card = topScreen<PhraseCardVC>(window);
                      if (!card || !card->phraseInfo())
                          return QStringLiteral("the phrase card is not shown");
                      return ScreenTour::holdMicrophone(
                          card, {}, [card]() { card->endRecordAction(card->microphoneBtn()); }, kRecordingShotMs);
                  },
                  100,
                  [](Window *window) {
                      PhraseCardVC *card = topScreen<PhraseCardVC>(window);
                      return card && card->spectrumCompView();
                  }});
    // One of the words over the learner's voiceprint (drawn from the comparison's own
    // assessment of the recording) played in both voices.
    steps.append({QStringLiteral("compare-word-playing"),
                  [](Window *window) {
                      PhraseCardVC *card = topScreen<PhraseCardVC>(window);
                      SpectrumCompView *panel = card ? card->spectrumCompView() : nullptr;
                      WordStripView *strip = panel ? panel->wordStripView() : nullptr;
                      if (!strip)
                          return QStringLiteral("the comparison panel shows no words");
                      int word = 0;
                      for (const WordStripLayout::Item &item : strip->items()) {
                          if (item.mark != WordMark::None && !item.omitted) {
                              word = item.word;
                              break;
                          }
                      }
                      panel->playWord(word);
                      return QString();
                  },
                  150,
                  {}});
    return steps;
}
}

QString ScreenTour::holdMicrophone(QObject *screen, const std::function<void()> &press,
                                  const std::function<void()> &release, int heldMs)
{
    std::vector<qint16> samples;
    QString error;
    if (!FileAudioInput::loadSamples(AudioSession::sharedInstance().microphoneFile(), &samples, &error))
        return QStringLiteral("the microphone file cannot be read: %1").arg(error);
    if (press)
        press();
    // Hold the button for the file's length (16 samples a millisecond) and a little more,
    // within the five seconds the picture waits for the panel.
    const int holdMs = qMax(0, qMin(4500, int(samples.size() / 16) + 400) - heldMs);
    if (release)
        QTimer::singleShot(holdMs, screen, release);
    return QString();
}

ViewController *ScreenTour::topViewController(Window *window)
{
    NavigationController *navigation = navigationOf(window);
    return navigation ? navigation->topViewController() : nullptr;
}

void ScreenTour::popToRoot(Window *window)
{
    if (NavigationController *navigation = navigationOf(window)) {
        while (navigation->popViewControllerAnimated(false)) {
        }
    }
}

QList<ScreenTour::Step> &ScreenTour::steps()
{
    static QList<Step> walk = defaultSteps();
    return walk;
}

ScreenTour::ScreenTour(Window *window, const QString &folder, std::function<void(int)> done, QObject *parent)
    : QObject(parent), m_window(window), m_folder(folder), m_done(std::move(done)), m_steps(steps())
{
}

void ScreenTour::start()
{
    if (!QDir().mkpath(m_folder)) {
        std::fprintf(stderr, "phrasebook: cannot create the tour folder %s\n", qPrintable(m_folder));
        finish(1);
        return;
    }
    m_index = 0;
    runStep();
}

void ScreenTour::runStep()
{
    if (m_index >= m_steps.size()) {
        finish(0);
        return;
    }
    const Step &step = m_steps.at(m_index);
    if (step.runIf && !step.runIf()) {
        ++m_index;
        runStep();
        return;
    }
    const QString error = step.action ? step.action(m_window) : QString();
    if (!error.isEmpty()) {
        std::fprintf(stderr, "phrasebook: tour step \"%s\": %s\n", qPrintable(step.name), qPrintable(error));
        finish(1);
        return;
    }
    QTimer::singleShot(step.settleMs, this, [this] { waitAndCapture(0); });
}

void ScreenTour::waitAndCapture(int waitedMs)
{
    const Step &step = m_steps.at(m_index);
    if (step.until && !step.until(m_window) && waitedMs < 5000) {
        QTimer::singleShot(20, this, [this, waitedMs] { waitAndCapture(waitedMs + 20); });
        return;
    }
    capture();
}

void ScreenTour::capture()
{
    const Step &step = m_steps.at(m_index);
    QImage image(m_window->size(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(1.0);
    image.fill(Qt::black);
    m_window->render(&image);
    const QString path = QDir(m_folder).filePath(step.name + QStringLiteral(".png"));
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "phrasebook: cannot write the tour picture %s\n", qPrintable(path));
        finish(1);
        return;
    }
    std::printf("tour: %s\n", qPrintable(path));
    std::fflush(stdout);
    ++m_index;
    runStep();
}

void ScreenTour::finish(int status)
{
    if (m_done)
        m_done(status);
}
