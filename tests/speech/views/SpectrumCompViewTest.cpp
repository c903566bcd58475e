// The comparison panel: the 0-10 score and its colours, the layout on a small phone and a
// tablet, the recognitions and the model generation of one opening, missing and tiny
// recordings, the play-head hand-over between the two panels, closing, and the word strip
// with its words played in both voices.
#include "ViewsTestFixture.h"
#include "speech/CountingBackend.h"

#include "platform/media/AudioPlayer.h"
#include "platform/ui/Label.h"
#include "platform/foundation/ResourceLocator.h"
#include "speech/views/ScoreLabel.h"
#include "platform/ui/ScrollView.h"
#include "speech/views/SpectrumCompView.h"
#include "speech/views/ZQAudioSpectrumView.h"
#include "content/ZQFileUtil.h"
#include "speech/ZQPSRecognizer.h"
#include "audio/ZQPlayerBoxView.h"
#include "speech/views/ZQSpectrumPanel.h"
#include "speech/views/WordStripView.h"
#include "audio/SpanPlayer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFileInfo>

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <memory>

namespace {
const QString kSentence = QStringLiteral("Where is the train station?");

class SpectrumCompViewTest : public ViewsTestFixture
{
protected:
    void SetUp() override
    {
        ViewsTestFixture::SetUp();
        PronunciationComparison::clearCaches();  // every test starts without models
        window = std::make_unique<QWidget>();
        window->resize(Screen::width(), Screen::height());
    }
    void TearDown() override
    {
        window.reset();
        ViewsTestFixture::TearDown();
    }
    static QList<PhraseInfoPtr> phrases()
    {
        auto phrase = std::make_shared<PhraseInfo>();
        phrase->content = kSentence;
        auto other = std::make_shared<PhraseInfo>();
        other->content = QStringLiteral("How much is a ticket?");
        return {phrase, other};
    }
    SpectrumCompView *open(const QString &voice, const QString &recording, qreal width,
                           std::shared_ptr<PronunciationComparison> comparison = nullptr)
    {
        auto *view = new SpectrumCompView(QRectF(10, 60, width, 400), window.get());
        view->setPhraseInfos(phrases());
        view->setComparison(std::move(comparison));
        view->show(kSentence, voice, recording);
        return view;
    }
    QString speech(const QString &voice, const QString &name)
    {
        const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".wav");
        if (!TestSupport::programAvailable(QStringLiteral("flite")))
            return {};
        const int status = TestSupport::runProgram(
            QStringLiteral("flite"), {QStringLiteral("-voice"), voice, QStringLiteral("-t"), kSentence,
                                      QStringLiteral("-o"), path});
        return status == 0 && QFileInfo::exists(path) ? path : QString();
    }
    static bool acousticModelPresent()
    {
        return QFileInfo::exists(ResourceLocator::bundlePath(QStringLiteral("EnglishAcousticModel"))
                                 + QStringLiteral("/mdef"));
    }
    // The model voice (flite slt) and a reading (kal16) of kSentence; empty strings when
    // flite cannot speak.
    std::pair<QString, QString> voiceAndReading()
    {
        const QString voice = speech(QStringLiteral("slt"), QStringLiteral("voice"));
        const QString recording = speech(QStringLiteral("kal16"), QStringLiteral("recording"));
        if (voice.isEmpty() || recording.isEmpty())
            return {};
        return {voice, recording};
    }

    std::unique_ptr<QWidget> window;
};
}

TEST_F(SpectrumCompViewTest, ScoreScaleAndColourBoundaries)
{
    EXPECT_EQ(SpectrumCompView::scoreOnTenScale(49.9f), 4);
    EXPECT_EQ(SpectrumCompView::scoreOnTenScale(79.9f), 7);
    EXPECT_EQ(SpectrumCompView::scoreOnTenScale(80.0f), 8);
    EXPECT_EQ(SpectrumCompView::scoreOnTenScale(100.0f), 10);
    EXPECT_EQ(SpectrumCompView::scoreOnTenScale(0.0f), 0);
    EXPECT_EQ(SpectrumCompView::scoreOnTenScale(-5.0f), 0);

    const QColor red(176, 23, 31), orange(199, 97, 20), green(46, 139, 87);
    EXPECT_EQ(ScoreLabel::colorForScore(SpectrumCompView::scoreOnTenScale(49.9f)), red);
    EXPECT_EQ(ScoreLabel::colorForScore(5), orange);
    EXPECT_EQ(ScoreLabel::colorForScore(SpectrumCompView::scoreOnTenScale(79.9f)), orange);
    EXPECT_EQ(ScoreLabel::colorForScore(SpectrumCompView::scoreOnTenScale(80.0f)), green);

    ScoreLabel label(QRectF(0, 0, 290, 18));
    label.setScore(QStringLiteral("Score"), 7);
    EXPECT_EQ(label.text(), QStringLiteral("Score: 7/10"));
    EXPECT_EQ(label.scoreColor(), orange);
}

TEST_F(SpectrumCompViewTest, LayoutOnSmallPhoneAndTabletWithAMissingRecordingScoresZero)
{
    for (const QString &device : {QStringLiteral("se"), QStringLiteral("tablet")}) {
        SCOPED_TRACE(device.toStdString());
        useDevice(device);
        const qreal W = Screen::width(), H = Screen::height();
        const qreal width = W - 20;
        SpectrumCompView *view = open(sine(QStringLiteral("voice"), 1.5), folder + QStringLiteral("/none.caf"), width);
        const qreal w10 = W * 10 / 320, w30 = W * 30 / 320;
        const qreal panelHeight = w30 + H * 128 / 568 + 2 * H * 5 / 568;

        EXPECT_NEAR(view->bodyView()->frame().y(), view->headH(), 1e-6);
        EXPECT_NEAR(view->bodyView()->frame().width(), width, 1e-6);
        ZQSpectrumPanel *upper = view->standardSpectrumPanel();
        ZQSpectrumPanel *lower = view->estimatedSpectrumPanel();
        ASSERT_TRUE(upper && lower);
        EXPECT_EQ(upper->tag(), 1979);
        EXPECT_EQ(lower->tag(), 1985);
        EXPECT_EQ(upper->outDelegate(), view);
        EXPECT_NEAR(upper->frame().y(), w10 + 18, 1e-6);
        EXPECT_NEAR(upper->frame().height(), panelHeight, 1e-6);
        EXPECT_NEAR(upper->frame().width(), width, 1e-6);
        const qreal myVoiceY = upper->frame().bottom() + w10;
        Label *score = view->testedWordScoreLbl();
        EXPECT_NEAR(score->frame().y(), myVoiceY, 1e-6);
        EXPECT_NEAR(score->frame().width(), width - 10, 1e-6);
        EXPECT_NEAR(score->frame().center().x(), width / 2, 1e-6);
        EXPECT_NEAR(lower->frame().y(), myVoiceY + 18, 1e-6);
        EXPECT_NEAR(view->bodyView()->frame().height(), lower->frame().bottom(), 1e-6);
        EXPECT_NEAR(view->bodyView()->frame().height(), 2 * w10 + 36 + 2 * panelHeight, 1e-6);
        EXPECT_TRUE(view->maskV() != nullptr);

        // No recording: score 0, one line saying no voice was heard instead of an empty
        // voiceprint, the player set up all the same.
        EXPECT_EQ(view->score(), 0);
        EXPECT_EQ(score->text(), QStringLiteral("Score: 0/10"));
        EXPECT_TRUE(lower->asView()->rgbaData().isNull());
        ASSERT_NE(lower->messageLabel(), nullptr);
        EXPECT_EQ(lower->messageLabel()->text(), QStringLiteral("No voice detected"));
        EXPECT_TRUE(lower->asView()->isHidden());
        EXPECT_EQ(upper->messageLabel(), nullptr);
        EXPECT_EQ(lower->playerBoxView()->audioFileList().size(), 1);
        view->closeAction(nullptr);
    }
}

TEST_F(SpectrumCompViewTest, OneOpeningGeneratesOnceAndScoresLikeTheRecogniser)
{
    PHRASEBOOK_REQUIRE_OR_SKIP(acousticModelPresent(), "the built acoustic model bundle");
    PHRASEBOOK_REQUIRE_OR_SKIP(TestSupport::programAvailable(QStringLiteral("flite")), "flite");
    const auto [voice, recording] = voiceAndReading();
    ASSERT_FALSE(voice.isEmpty() || recording.isEmpty()) << "flite could not speak";

    SpectrumCompView *view = open(voice, recording, 300);
    EXPECT_EQ(view->generationCount(), 1);
    const QString lm = ZQFileUtil::getDocumentsDirectory() + QStringLiteral("lm/test.DMP");
    ASSERT_TRUE(view->languageModelPath().has_value());
    EXPECT_EQ(QFileInfo(*view->languageModelPath()).canonicalFilePath(), QFileInfo(lm).canonicalFilePath());
    ASSERT_TRUE(view->dictionaryPath().has_value());
    EXPECT_TRUE(QFileInfo::exists(*view->dictionaryPath()));

    // The same recognition and scoring by hand give the panel's score.
    const QString acoustic = ResourceLocator::bundlePath(QStringLiteral("EnglishAcousticModel"));
    ZQPSRecognizer recognizer;
    recognizer.runRecognitionOnWavFileAtPath(recording, *view->languageModelPath(), *view->dictionaryPath(),
                                             acoustic, false);
    QVariantMap advices;
    const float expected = ZQPSRecognizer::getScore(recognizer.wordsInfo(), kSentence, advices);
    EXPECT_GT(expected, 0.0f);
    EXPECT_EQ(view->score(), SpectrumCompView::scoreOnTenScale(expected));
    EXPECT_EQ(view->testedWordScoreLbl()->text(), QStringLiteral("Score: %1/10").arg(view->score()));

    // Both voiceprints: one column per decoder frame.
    ZQAudioSpectrumView *mine = view->estimatedSpectrumPanel()->asView();
    EXPECT_EQ(quint64(mine->rgbaData().width()), recognizer.powerSpectrumInfo().frameCount);
    EXPECT_GT(mine->rgbaData().width(), 100);
    EXPECT_GT(view->standardSpectrumPanel()->asView()->rgbaData().width(), 100);
    EXPECT_EQ(view->standardSpectrumPanel()->asView()->audioFilePath(), voice);
    EXPECT_EQ(view->estimatedSpectrumPanel()->messageLabel(), nullptr) << "a voice was heard";

    // A new panel for the same phrase finds the model files as they were written.
    SpectrumCompView *again = open(voice, recording, 300);
    EXPECT_EQ(again->generationCount(), 0);
    EXPECT_EQ(again->score(), view->score());
    EXPECT_EQ(again->languageModelPath(), view->languageModelPath());
}

TEST_F(SpectrumCompViewTest, TinyAndEmptyRecordingsScoreZeroAndShowingAgainKeepsTheModel)
{
    PHRASEBOOK_REQUIRE_OR_SKIP(acousticModelPresent(), "the built acoustic model bundle");
    PHRASEBOOK_REQUIRE_OR_SKIP(TestSupport::programAvailable(QStringLiteral("flite")), "flite");
    const QString voice = speech(QStringLiteral("slt"), QStringLiteral("voice"));
    ASSERT_FALSE(voice.isEmpty()) << "flite could not speak";
    const QString tiny = folder + QStringLiteral("/tiny.wav");
    ASSERT_TRUE(MediaTestSupport::writeSine(tiny, 0.02, 300, 16000));

    SpectrumCompView *view = open(voice, tiny, 300);
    EXPECT_EQ(view->generationCount(), 1);
    EXPECT_EQ(view->score(), 0);

    const QString empty = folder + QStringLiteral("/empty.caf");
    ASSERT_TRUE(QFile(empty).open(QIODevice::WriteOnly));
    view->show(kSentence, voice, empty);
    EXPECT_EQ(view->generationCount(), 1);
    EXPECT_EQ(view->score(), 0);
    EXPECT_TRUE(view->estimatedSpectrumPanel()->asView()->rgbaData().isNull());
    EXPECT_GT(view->standardSpectrumPanel()->asView()->rgbaData().width(), 100);
}

TEST_F(SpectrumCompViewTest, PlayHeadGoesToThePanelWhosePlayWasPressed)
{
    SpectrumCompView *view = open(sine(QStringLiteral("voice"), 2.0), sine(QStringLiteral("rec"), 3.0), 300);
    ZQSpectrumPanel *upper = view->standardSpectrumPanel();
    ZQSpectrumPanel *lower = view->estimatedSpectrumPanel();
    upper->setSpectrum(upper->asView()->audioFilePath(), blackSpectrum(200));
    lower->setSpectrum(lower->asView()->audioFilePath(), blackSpectrum(300));

    press(upper->playerBoxView()->playButton());
    clock.advance(1000);
    EXPECT_TRUE(upper->needRun());
    EXPECT_FALSE(lower->needRun());
    EXPECT_NEAR(upper->asView()->playProgress(), 0.5, 0.06);

    press(lower->playerBoxView()->playButton());
    EXPECT_TRUE(lower->needRun());
    EXPECT_FALSE(upper->needRun());
    EXPECT_EQ(upper->asView()->playProgress(), 0.0f);
    EXPECT_EQ(upper->playerBoxView()->playStatus(), 0);
    clock.advance(1500);
    EXPECT_NEAR(lower->asView()->playProgress(), 0.5, 0.06);
    EXPECT_EQ(upper->asView()->playProgress(), 0.0f);  // its box still ticks, the head stays

    // Other tags change nothing.
    ZQSpectrumPanel stranger(QRectF(0, 0, 300, 168));
    stranger.setTag(7);
    view->playPreHandle(nullptr, &stranger);
    EXPECT_TRUE(lower->needRun());
    EXPECT_GT(lower->asView()->playProgress(), 0.0f);
}

TEST_F(SpectrumCompViewTest, CloseStopsThePlayingPanelAndDeletesThePanelAndItsMask)
{
    SpectrumCompView *view = open(sine(QStringLiteral("voice"), 2.0), sine(QStringLiteral("rec"), 3.0), 300);
    ZQSpectrumPanel *lower = view->estimatedSpectrumPanel();
    lower->setSpectrum(lower->asView()->audioFilePath(), blackSpectrum(300));
    press(lower->playerBoxView()->playButton());
    clock.advance(1500);
    ASSERT_GT(lower->asView()->playProgress(), 0.0f);

    QPointer<SpectrumCompView> guard(view);
    QPointer<View> mask(view->maskV());
    ASSERT_FALSE(mask.isNull());
    view->closeAction(nullptr);
    EXPECT_EQ(lower->playerBoxView()->playStatus(), 2);
    EXPECT_EQ(lower->asView()->playProgress(), 0.0f);
    EXPECT_FALSE(ZQPlayerBox::sharedAudioPlayer() && ZQPlayerBox::sharedAudioPlayer()->isPlaying());
    EXPECT_EQ(view->parentWidget(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(guard.isNull());
    EXPECT_TRUE(mask.isNull());
}

// A learner tapping the panel open and shut: a hundred openings, each closed at once or
// while a voice plays, some before the previous panel is gone. Every panel goes, nothing
// stays armed on the clock to fire into a closed panel, and (under the sanitizers) nothing
// leaks or is touched after it is freed.
TEST_F(SpectrumCompViewTest, AHundredQuickOpeningsAndClosingsLeaveNothingBehind)
{
    // Without the acoustic model the recognitions end at once (score 0): the panels, their
    // players and timers are what is tried here.
    ResourceLocator::setCommandLineRoot(TestSupport::freshDirectory(QStringLiteral("no-resources")));
    const QString voice = sine(QStringLiteral("voice"), 1.0);
    const QString recording = sine(QStringLiteral("rec"), 1.5);
    QList<QPointer<SpectrumCompView>> opened;
    for (int i = 0; i < 100; ++i) {
        SpectrumCompView *view = open(voice, recording, 300);
        opened.append(view);
        if (i % 3 != 0) {
            ZQSpectrumPanel *panel = i % 2 ? view->standardSpectrumPanel() : view->estimatedSpectrumPanel();
            press(panel->playerBoxView()->playButton());
            clock.advance(37 * (i % 7));
        }
        view->closeAction(nullptr);
        if (i % 4 == 0)
            clock.advance(20);  // timers of the closing panel fall due before it is deleted
        if (i % 2 == 0)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ResourceLocator::setCommandLineRoot(QString());
    for (const QPointer<SpectrumCompView> &view : opened)
        EXPECT_TRUE(view.isNull());
    EXPECT_TRUE(window->findChildren<QWidget *>().isEmpty());
    EXPECT_FALSE(ZQPlayerBox::sharedAudioPlayer() && ZQPlayerBox::sharedAudioPlayer()->isPlaying());
    EXPECT_EQ(clock.nextDueUs(), -1) << "a timer is still armed after every panel closed";
    clock.advance(10000);
}

TEST_F(SpectrumCompViewTest, ShowingTheSamePhraseAgainDecodesOnlyTheRecording)
{
    PHRASEBOOK_REQUIRE_OR_SKIP(acousticModelPresent(), "the built acoustic model bundle");
    PHRASEBOOK_REQUIRE_OR_SKIP(TestSupport::programAvailable(QStringLiteral("flite")), "flite");
    const auto [voice, recording] = voiceAndReading();
    ASSERT_FALSE(voice.isEmpty() || recording.isEmpty()) << "flite could not speak";
    auto backend = std::make_shared<CountingBackend>();
    RecognitionCache cache;
    QStringList contents;
    for (const PhraseInfoPtr &phrase : phrases())
        contents.append(phrase->content);
    auto comparison = std::make_shared<PronunciationComparison>(
        ComparisonRequest::forPhrase(kSentence, voice, contents), backend, &cache);

    SpectrumCompView *view = open(voice, recording, 300, comparison);
    EXPECT_EQ(backend->decodes, 2);  // the model voice and the recording, once each
    const int first = view->score();
    EXPECT_GT(first, 5);
    view->show(kSentence, voice, recording);
    EXPECT_EQ(backend->decodes, 3);
    EXPECT_EQ(view->score(), first);
    EXPECT_EQ(view->generationCount(), 1);
    EXPECT_GT(view->standardSpectrumPanel()->asView()->rgbaData().width(), 100);

    // A panel opened for another phrase gets an engine of its own.
    view->show(QStringLiteral("How much is a ticket?"), voice, recording);
    EXPECT_NE(view->comparison(), comparison);
    EXPECT_EQ(backend->decodes, 3);
}

TEST_F(SpectrumCompViewTest, PanelAndScoreToolGiveTheSameScore)
{
    PHRASEBOOK_REQUIRE_OR_SKIP(acousticModelPresent(), "the built acoustic model bundle");
    PHRASEBOOK_REQUIRE_OR_SKIP(TestSupport::programAvailable(QStringLiteral("flite")), "flite");
    const auto [voice, recording] = voiceAndReading();
    ASSERT_FALSE(voice.isEmpty() || recording.isEmpty()) << "flite could not speak";
    SpectrumCompView *view = open(voice, recording, 300);

    const QString corpus = folder + QStringLiteral("/phrases.txt");
    QFile file(corpus);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    for (const PhraseInfoPtr &phrase : phrases())
        file.write(phrase->content.toUtf8() + "\n");
    file.close();
    QString out;
    ASSERT_EQ(TestSupport::runProgram(QStringLiteral(PHRASEBOOK_SCORE_PROGRAM),
                                      {QStringLiteral("--corpus"), corpus, kSentence, recording}, &out),
              0);
    const QJsonObject tool = QJsonDocument::fromJson(out.mid(out.indexOf('{')).toUtf8()).object();
    EXPECT_GT(view->comparisonResult().score, 50.0f);
    EXPECT_EQ(tool.value(QStringLiteral("score")).toDouble(), double(view->comparisonResult().score));
    EXPECT_EQ(int(tool.value(QStringLiteral("score")).toDouble() / 10.0), view->score());
    EXPECT_EQ(tool.value(QStringLiteral("hypothesis")).toString(), view->comparisonResult().estimated.hypothesis);
}

namespace {
WordAssessment spokenWord(const QString &text, qint64 startMs, qint64 endMs)
{
    WordAssessment word;
    word.word = text;
    word.startMs = startMs;
    word.endMs = endMs;
    return word;
}

// The recording: "where" (its /ɛ/ weak), "is" left out, "the"; the model voice says all three.
AssessmentResult learnerAssessment()
{
    AssessmentResult result;
    result.valid = true;
    WordAssessment where = spokenWord(QStringLiteral("where"), 200, 600);
    where.mark = WordMark::Weak;
    for (const char *phone : {"W", "EH", "R"})
        where.phones.push_back({QString::fromLatin1(phone), QString(), 50.0f, QString(), 0, 0});
    where.weakPhone = 1;
    WordAssessment is;
    is.word = QStringLiteral("is");
    is.omitted = true;
    is.mark = WordMark::Wrong;
    result.words = {where, is, spokenWord(QStringLiteral("the"), 800, 1000)};
    return result;
}

AssessmentResult modelAssessment()
{
    AssessmentResult result;
    result.valid = true;
    result.words = {spokenWord(QStringLiteral("where"), 100, 500), spokenWord(QStringLiteral("is"), 600, 700),
                    spokenWord(QStringLiteral("the"), 700, 900)};
    return result;
}
}

// Without the acoustic model the comparison finds no frames, so the strip takes the
// voiceprint's columns as 10 ms apart.
TEST_F(SpectrumCompViewTest, TheWordStripLiesOverTheRecordingsVoiceprintAndMovesNothing)
{
    ResourceLocator::setCommandLineRoot(TestSupport::freshDirectory(QStringLiteral("no-resources")));
    SpectrumCompView *view = open(sine(QStringLiteral("voice"), 2.0), sine(QStringLiteral("rec"), 3.0), 300);
    ResourceLocator::setCommandLineRoot(QString());
    ZQSpectrumPanel *lower = view->estimatedSpectrumPanel();
    lower->setSpectrum(lower->asView()->audioFilePath(), blackSpectrum(150));
    EXPECT_EQ(view->wordStripView(), nullptr) << "no assessment, no strip";

    QList<QWidget *> elements{view->bodyView(), view->standardSpectrumPanel(), lower, view->testedWordScoreLbl(),
                              lower->asView(), lower->asContainer(), lower->playerBoxView()};
    QList<QRect> before;
    for (QWidget *element : elements)
        before.append(element->geometry());
    const QSizeF contentBefore = lower->asContainer()->contentSize();

    view->showWordStrip(learnerAssessment(), modelAssessment());
    WordStripView *strip = view->wordStripView();
    ASSERT_NE(strip, nullptr);
    for (int i = 0; i < elements.size(); ++i)
        EXPECT_EQ(elements[i]->geometry(), before[i]) << "element " << i << " moved";
    EXPECT_EQ(lower->asContainer()->contentSize(), contentBefore);
    EXPECT_EQ(strip->parentWidget(), lower->asContainer()->contentView());
    EXPECT_EQ(strip->frame(), QRectF(0, 0, lower->asContainer()->bounds().width(), lower->asHeight()))
        << "over the whole scroller, as tall as the voiceprint";
    ASSERT_EQ(strip->items().size(), 3);
    EXPECT_EQ(strip->items()[0].span, QRectF(20, 0, 40, lower->asHeight()));

    // Each word's tap area says what it is and what a tap plays.
    ASSERT_NE(strip->wordView(1), nullptr);
    EXPECT_EQ(strip->wordView(0)->accessibleName(), QStringLiteral("where: /ɛ/ is unclear"));
    EXPECT_EQ(strip->wordView(0)->toolTip(),
              QStringLiteral("where: /ɛ/ is unclear\nTap to hear your voice, then the original voice."));
    EXPECT_EQ(strip->wordView(1)->accessibleName(), QStringLiteral("is: not heard"));
    EXPECT_TRUE(strip->wordView(1)->toolTip().endsWith(QStringLiteral("Tap to hear the original voice.")));
    EXPECT_EQ(strip->wordView(2)->accessibleName(), QStringLiteral("the"));
    EXPECT_DOUBLE_EQ(strip->wordView(1)->frame().center().x(), 70);
    EXPECT_DOUBLE_EQ(strip->wordView(1)->frame().width(), WordStripLayout::kMinimumHitWidth);

    // An invalid assessment (nothing could be aligned) takes the strip away.
    view->showWordStrip(AssessmentResult(), std::nullopt);
    EXPECT_EQ(view->wordStripView(), nullptr);
}

TEST_F(SpectrumCompViewTest, ATappedWordPlaysInTheRecordingThenInTheModelVoice)
{
    ResourceLocator::setCommandLineRoot(TestSupport::freshDirectory(QStringLiteral("no-resources")));
    const QString voice = sine(QStringLiteral("voice"), 2.0);
    const QString recording = sine(QStringLiteral("rec"), 3.0);
    SpectrumCompView *view = open(voice, recording, 300);
    ResourceLocator::setCommandLineRoot(QString());
    window->show();
    ZQSpectrumPanel *lower = view->estimatedSpectrumPanel();
    lower->setSpectrum(recording, blackSpectrum(150));
    view->showWordStrip(learnerAssessment(), modelAssessment());
    WordStripView *strip = view->wordStripView();
    ASSERT_NE(strip, nullptr);
    const auto playing = [] { return ZQPlayerBox::sharedAudioPlayer(); };

    QWidget *where = strip->wordView(0);
    QTest::mouseClick(where, Qt::LeftButton, {}, where->rect().center());
    ASSERT_NE(playing(), nullptr);
    EXPECT_EQ(playing()->path(), recording);
    EXPECT_NEAR(playing()->duration(), 0.4, 1e-9);
    EXPECT_TRUE(playing()->isPlaying());
    EXPECT_EQ(strip->playingWord(), 0);
    clock.advance(400 + SpanPlayer::kPauseMs + 50);
    EXPECT_EQ(playing()->path(), voice) << "then the same word of the model voice";
    EXPECT_NEAR(playing()->duration(), 0.4, 1e-9);
    clock.advance(500);
    EXPECT_EQ(strip->playingWord(), -1);

    // A word left out plays only in the model voice.
    QTest::mouseClick(strip->wordView(1), Qt::LeftButton, {}, strip->wordView(1)->rect().center());
    EXPECT_EQ(playing()->path(), voice);
    EXPECT_NEAR(playing()->duration(), 0.1, 1e-9);

    // Either voice's player takes over from a word, and a word from either player.
    view->playWord(2);
    EXPECT_TRUE(view->spanPlayer()->isPlaying());
    press(view->standardSpectrumPanel()->playerBoxView()->playButton());
    EXPECT_FALSE(view->spanPlayer()->isPlaying());
    EXPECT_EQ(strip->playingWord(), -1);
    EXPECT_EQ(view->standardSpectrumPanel()->playerBoxView()->playStatus(), 1);
    view->playWord(2);
    EXPECT_EQ(view->standardSpectrumPanel()->playerBoxView()->playStatus(), 2);
    EXPECT_EQ(playing()->path(), recording);

    // Without the model voice's words (or with a word it did not say) only the recording plays.
    AssessmentResult otherModel = modelAssessment();
    otherModel.words[2].word = QStringLiteral("a");
    view->showWordStrip(learnerAssessment(), otherModel);
    EXPECT_EQ(view->wordSpans(0).size(), 2);
    ASSERT_EQ(view->wordSpans(2).size(), 1);
    EXPECT_EQ(view->wordSpans(2).first().path, recording);
    view->showWordStrip(learnerAssessment(), std::nullopt);
    EXPECT_TRUE(view->wordSpans(1).isEmpty());
    EXPECT_TRUE(view->wordStripView()->hint(1).isEmpty());
    AudioPlayer *before = playing();
    view->playWord(1);
    EXPECT_EQ(playing(), before) << "a word with nothing to play leaves the player alone";

    view->playWord(0);
    view->closeAction(nullptr);
    EXPECT_FALSE(playing()->isPlaying());
}
