// The phrase card: previous / next at the ends of the list, hide and show, the counters of
// the learner record, the hold-to-record flow with a file-fed microphone scored by the
// comparison panel, the recordings that must never be compared, denied microphone access,
// and the rating reminder on back. Each behaviour is its own test; the fixture removes every
// hook a test installs, so one failing behaviour cannot break the others.
#include "CardTestFixture.h"

#include "platform/ui/AlertView.h"
#include "platform/media/AudioRecorder.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/NavigationController.h"
#include "app/PhraseCardVC.h"
#include "app/RatingPrompt.h"
#include "platform/foundation/ResourceLocator.h"
#include "platform/ui/ScrollView.h"
#include "speech/views/SpectrumCompView.h"
#include "support/MediaTestSupport.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewSupport.h"
#include "platform/ui/Window.h"
#include "audio/ZQAudioRecorder.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <memory>

namespace {
class PhraseCardTest : public CardTestFixture
{
protected:
    void SetUp() override
    {
        CardTestFixture::SetUp();
        RatingPrompt::instance().reset();
    }
    void TearDown() override
    {
        PhraseCardVC::setSettingsOpener({});
        RatingPrompt::instance().reset();
        window.reset();
        CardTestFixture::TearDown();
    }

    static std::unique_ptr<PhraseCardVC> cardAt(const PhraseInfoPtr &phrase, const CategoryInfoPtr &category = nullptr)
    {
        auto card = std::make_unique<PhraseCardVC>();
        card->setPhraseInfo(phrase);
        if (category)
            card->setCategoryInfo(category);
        card->view();  // builds it
        return card;
    }
    QString speech(const QString &text)
    {
        const QString path = folder + QStringLiteral("/speech.wav");
        const int status = TestSupport::runProgram(
            QStringLiteral("flite"), {QStringLiteral("-voice"), QStringLiteral("slt"), QStringLiteral("-t"), text,
                                      QStringLiteral("-o"), path});
        return status == 0 && QFileInfo::exists(path) ? path : QString();
    }
    // A shown card of the first phrase of a category of two or more, recording from a
    // microphone that hears five seconds of a tone: enough for every recording that must not
    // be compared (comparing needs speech only to score above zero).
    void startRecording(std::unique_ptr<PhraseCardVC> *card)
    {
        const CategoryInfoPtr category = categoryWith(2);
        ASSERT_NE(category, nullptr);
        const QString microphone = folder + QStringLiteral("/microphone.wav");
        ASSERT_TRUE(MediaTestSupport::writeSine(microphone, 5.0, 440.0, 16000));
        AudioSession::sharedInstance().setMicrophoneFile(microphone);
        *card = cardAt(category->phraseInfoList->first());
        (*card)->view()->show();
        (*card)->beginRecordAction((*card)->microphoneBtn());
        ASSERT_TRUE(isRecording(**card));
    }
    static bool isRecording(const PhraseCardVC &card)
    {
        const AudioRecorder *recorder = card.audioRecorder() ? card.audioRecorder()->recorder() : nullptr;
        return recorder && recorder->isRecording();
    }
    static qint64 count(const char *key) { return AppCommon::getUserInfoCount(QLatin1String(key)); }
    static QString recordingOf(const PhraseInfo &phrase)
    {
        return AppCommon::recordFolderPath() + phrase.id + QStringLiteral(".caf");
    }

    // In a key window holding a navigation stack, pushes a card and goes back from it at
    // `seconds` since the reference date, as the back button does.
    void backFromACardAt(qint64 seconds)
    {
        const CategoryInfoPtr category = categoryWith(1);
        ASSERT_NE(category, nullptr);
        window = std::make_unique<Window>(QRectF(0, 0, 375, 667));
        window->setRootViewController(
            std::make_unique<NavigationController>(std::make_unique<BaseViewController>()));
        window->makeKeyAndVisible();
        auto *navigation = qobject_cast<NavigationController *>(window->rootViewController());
        ASSERT_NE(navigation, nullptr);
        clock.setSecondsSinceReferenceDate(double(seconds));
        auto card = std::make_unique<PhraseCardVC>();
        card->setPhraseInfo(category->phraseInfoList->first());
        PhraseCardVC *raw = card.get();
        navigation->pushViewController(std::move(card), false);
        raw->back(nullptr);
        navigation->finishTransition();
        ASSERT_EQ(navigation->viewControllers().size(), 1) << "back left the card";
    }

    std::unique_ptr<Window> window;
};
}

TEST_F(PhraseCardTest, PreviousAndNextStopAtTheEndsOfTheCategory)
{
    const CategoryInfoPtr category = categoryWith(3);
    ASSERT_NE(category, nullptr);
    const QList<PhraseInfoPtr> phrases = *AppCommon::getPhraseInfoList(category->id);
    const int last = int(phrases.size()) - 1;

    auto card = cardAt(phrases.first());  // the category is found from the phrase
    EXPECT_EQ(card->categoryInfo(), category);
    EXPECT_EQ(card->phraseLbl()->text(), phrases.first()->foreignText());
    EXPECT_EQ(card->translationLbl()->text(), phrases.first()->translationText());
    EXPECT_FALSE(card->translationLbl()->isHidden());
    EXPECT_EQ(card->lastItemImageName(), QStringLiteral("btn-last2"));
    EXPECT_FALSE(card->lastItemBtn()->isEnabled());
    EXPECT_EQ(card->nextItemImageName(), QStringLiteral("btn-next"));
    EXPECT_TRUE(card->nextItemBtn()->isEnabled());

    card->lastItemAction(card->lastItemBtn());  // nothing before the first phrase
    EXPECT_EQ(card->phraseInfo(), phrases.first());

    card->nextItemAction(card->nextItemBtn());
    EXPECT_EQ(card->phraseInfo(), phrases.at(1));
    EXPECT_EQ(CategoryController::currPhraseIndex(), 1);
    EXPECT_EQ(card->lastItemImageName(), QStringLiteral("btn-last"));
    EXPECT_TRUE(card->lastItemBtn()->isEnabled());
    EXPECT_EQ(card->phraseLbl()->text(), phrases.at(1)->foreignText());

    for (int i = 1; i < last; ++i)
        card->nextItemAction(card->nextItemBtn());
    EXPECT_EQ(card->phraseInfo(), phrases.at(last));
    EXPECT_EQ(card->nextItemImageName(), QStringLiteral("btn-next2"));
    EXPECT_FALSE(card->nextItemBtn()->isEnabled());
    card->nextItemAction(card->nextItemBtn());  // never wraps round
    EXPECT_EQ(card->phraseInfo(), phrases.at(last));

    card->lastItemAction(card->lastItemBtn());
    EXPECT_EQ(card->phraseInfo(), phrases.at(last - 1));
    EXPECT_EQ(CategoryController::currPhraseIndex(), last - 1);
    EXPECT_EQ(card->nextItemImageName(), QStringLiteral("btn-next"));
    EXPECT_TRUE(card->nextItemBtn()->isEnabled());
}

TEST_F(PhraseCardTest, OpeningEachStepAndEachPlayCountAListen)
{
    const CategoryInfoPtr category = categoryWith(3);
    ASSERT_NE(category, nullptr);
    const QList<PhraseInfoPtr> phrases = *AppCommon::getPhraseInfoList(category->id);
    const int last = int(phrases.size()) - 1;
    const qint64 listens = count("kListenCount");

    auto card = cardAt(phrases.first());
    EXPECT_EQ(count("kListenCount"), listens + 1);
    card->lastItemAction(card->lastItemBtn());  // no step: no listen
    EXPECT_EQ(count("kListenCount"), listens + 1);
    for (int i = 0; i < last; ++i)
        card->nextItemAction(card->nextItemBtn());
    card->nextItemAction(card->nextItemBtn());  // at the end: no step
    EXPECT_EQ(count("kListenCount"), listens + 1 + last);
    card->playAction(card->playBtn());
    card->playAction(card->playBtn());
    EXPECT_EQ(count("kListenCount"), listens + 1 + last + 2);
}

TEST_F(PhraseCardTest, ACategoryOfOnePhraseIsClosedInBothDirections)
{
    const CategoryInfoPtr category = categoryWith(2);
    ASSERT_NE(category, nullptr);
    const PhraseInfoPtr only = category->phraseInfoList->first();
    auto single = std::make_shared<CategoryInfo>(*category);
    single->phraseInfoList = QList<PhraseInfoPtr>{only};
    auto lonely = cardAt(only, single);
    EXPECT_FALSE(lonely->lastItemBtn()->isEnabled());
    EXPECT_FALSE(lonely->nextItemBtn()->isEnabled());
    EXPECT_EQ(lonely->nextItemImageName(), QStringLiteral("btn-next2"));
    lonely->nextItemAction(lonely->nextItemBtn());
    EXPECT_EQ(lonely->phraseInfo(), only);
}

TEST_F(PhraseCardTest, LayoutFollowsTheViewWidth)
{
    const CategoryInfoPtr category = categoryWith(2);
    ASSERT_NE(category, nullptr);
    auto card = cardAt(category->phraseInfoList->at(1));

    const qreal W = card->view()->bounds().width();
    const qreal m = W / 20, P = W - 2 * m, s = P / 5, b = 0.6 * s;
    const QRectF panel = card->buttonPanel()->frame();
    EXPECT_NEAR(panel.y(), card->contentView()->frame().height() - b - m, 1);
    EXPECT_NEAR(ViewSupport::center(card->microphoneBtn()).x(), 2 * s, 1);
    EXPECT_NEAR(ViewSupport::center(card->lastItemBtn()).y(), panel.y() - m - b, 1);
    EXPECT_NEAR(ViewSupport::center(card->nextItemBtn()).x(), m + 2 * P / 3, 1);
    const qreal L = (card->lastItemBtn()->frame().y() - 2 * m - m / 4) / 2;
    EXPECT_NEAR(card->translationLbl()->frame().y(), m + L + m / 4, 1);
    EXPECT_NEAR(card->phraseLbl()->frame().height(), L, 1);
}

TEST_F(PhraseCardTest, HiddenTextStaysHiddenWhileSteppingUntilShownAgain)
{
    const CategoryInfoPtr category = categoryWith(2);
    ASSERT_NE(category, nullptr);
    auto card = cardAt(category->phraseInfoList->first());
    EXPECT_FALSE(card->phraseLbl()->isHidden());
    EXPECT_EQ(card->lookImageName(), QStringLiteral("btn-look"));
    card->showAction(card->lookBtn());
    EXPECT_TRUE(card->phraseLbl()->isHidden());
    EXPECT_EQ(card->lookImageName(), QStringLiteral("btn-no-look"));
    card->nextItemAction(card->nextItemBtn());
    EXPECT_TRUE(card->phraseLbl()->isHidden());
    card->showAction(card->lookBtn());
    EXPECT_FALSE(card->phraseLbl()->isHidden());
    EXPECT_EQ(card->lookImageName(), QStringLiteral("btn-look"));
}

TEST_F(PhraseCardTest, TheContentLanguageHidesTheTranslation)
{
    const CategoryInfoPtr category = categoryWith(2);
    ASSERT_NE(category, nullptr);
    AppCommon::setLanguageOverride(QLatin1String(AppCommon::contentLanguageCode));
    auto native = cardAt(category->phraseInfoList->first());
    EXPECT_TRUE(native->translationLbl()->isHidden());
    native->nextItemAction(native->nextItemBtn());
    EXPECT_TRUE(native->translationLbl()->isHidden());
}

TEST_F(PhraseCardTest, AHeldRecordingIsComparedForThePhraseShown)
{
    PHRASEBOOK_REQUIRE_OR_SKIP(
        QFileInfo::exists(ResourceLocator::bundlePath(QStringLiteral("EnglishAcousticModel")) + QStringLiteral("/mdef")),
        "the built acoustic model bundle");
    PHRASEBOOK_REQUIRE_OR_SKIP(TestSupport::programAvailable(QStringLiteral("flite")), "flite");
    const CategoryInfoPtr category = categoryWith(2);
    ASSERT_NE(category, nullptr);
    const PhraseInfoPtr first = category->phraseInfoList->at(0);
    const QString voice = speech(first->foreignText());
    ASSERT_FALSE(voice.isEmpty()) << "flite could not speak";
    AudioSession::sharedInstance().setMicrophoneFile(voice);
    QFile::remove(recordingOf(*first));

    auto card = cardAt(first);
    card->view()->show();
    const qint64 reads = count("kReadCount");

    // Hold: the learner says the phrase; release: the panel compares it.
    card->beginRecordAction(card->microphoneBtn());
    ASSERT_TRUE(isRecording(*card));
    EXPECT_EQ(card->myVoicePath(), recordingOf(*first));
    const std::shared_ptr<PronunciationComparison> prepared = card->comparison();  // started on the press
    ASSERT_NE(prepared, nullptr);
    EXPECT_TRUE(prepared->request().assess) << "word feedback is on by default";
    clock.advance(3000);
    card->endRecordAction(card->microphoneBtn());
    EXPECT_FALSE(isRecording(*card));
    SpectrumCompView *panel = card->spectrumCompView();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->comparison(), prepared);
    EXPECT_EQ(card->comparison(), nullptr);
    EXPECT_EQ(panel->standardText(), first->foreignText());
    EXPECT_EQ(panel->standardAudioFilePath(), AppCommon::getVoicePath(*first));
    EXPECT_EQ(panel->estimatedAudioFilePath(), recordingOf(*first));
    EXPECT_EQ(panel->phraseInfos(), *category->phraseInfoList);
    EXPECT_GT(panel->score(), 0);
    EXPECT_TRUE(panel->testedWordScoreLbl()->isHidden());
    EXPECT_TRUE(panel->wordFeedback());
    const qreal H = card->view()->bounds().height(), W = card->view()->bounds().width();
    EXPECT_NEAR(panel->frame().height(), panel->bodyView()->frame().height() + panel->headH(), 1);
    EXPECT_NEAR(panel->frame().center().y(), H / 2, 1);
    EXPECT_NEAR(panel->frame().width(), 0.9 * W, 1);
    EXPECT_EQ(count("kReadCount"), reads + 1);
    panel->closeAction(panel->closeButton());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(card->spectrumCompView(), nullptr);

    // With word feedback turned off in the settings, the next press asks for no assessment.
    AppCommon::setWordFeedback(false);
    card->beginRecordAction(card->microphoneBtn());
    ASSERT_NE(card->comparison(), nullptr);
    EXPECT_FALSE(card->comparison()->request().assess);
    card->cancelRecordAction(card->microphoneBtn());
}

TEST_F(PhraseCardTest, WithoutAMicrophoneTheAlertOffersTheSettingsAndNothingIsRecorded)
{
    const CategoryInfoPtr category = categoryWith(1);
    ASSERT_NE(category, nullptr);
    const PhraseInfoPtr phrase = category->phraseInfoList->first();
    QFile::remove(recordingOf(*phrase));
    int opened = 0;
    PhraseCardVC::setSettingsOpener([&opened]() {
        ++opened;
        return true;
    });
    auto card = cardAt(phrase);
    card->view()->show();
    const qint64 reads = count("kReadCount");

    card->beginRecordAction(card->microphoneBtn());
    const QList<AlertView *> alerts = AlertView::visibleAlerts();
    ASSERT_EQ(alerts.size(), 1);
    EXPECT_EQ(alerts.first()->message(), QStringLiteral("No microphone was found."));
    EXPECT_TRUE(alerts.first()->title().isEmpty());
    EXPECT_EQ(alerts.first()->buttonTitle(0), QStringLiteral("Cancel"));
    EXPECT_FALSE(isRecording(*card));
    card->endRecordAction(card->microphoneBtn());
    EXPECT_EQ(card->spectrumCompView(), nullptr);
    EXPECT_EQ(count("kReadCount"), reads);
    EXPECT_FALSE(QFileInfo::exists(recordingOf(*phrase)));
    alerts.first()->clickButton(1);
    EXPECT_EQ(opened, 1);
}

// The recording of the phrase before is still on disk and still the card's last recording:
// a release after a denied start must not compare it as this phrase's.
TEST_F(PhraseCardTest, AReleaseAfterADeniedStartNeverComparesThePreviousPhrasesRecording)
{
    std::unique_ptr<PhraseCardVC> card;
    ASSERT_NO_FATAL_FAILURE(startRecording(&card));
    const PhraseInfoPtr first = card->phraseInfo();
    clock.advance(1000);
    card->cancelRecordAction(card->microphoneBtn());
    ASSERT_TRUE(QFileInfo::exists(recordingOf(*first)));
    const qint64 reads = count("kReadCount");

    card->nextItemAction(card->nextItemBtn());
    AudioSession::sharedInstance().setMicrophoneFile(QString());
    card->beginRecordAction(card->microphoneBtn());
    EXPECT_EQ(AlertView::visibleAlerts().size(), 1);
    EXPECT_EQ(card->myVoicePath(), recordingOf(*first));
    card->endRecordAction(card->microphoneBtn());
    EXPECT_EQ(card->spectrumCompView(), nullptr);
    EXPECT_EQ(count("kReadCount"), reads);
    EXPECT_TRUE(QFileInfo::exists(recordingOf(*first)));
}

TEST_F(PhraseCardTest, ATapTooShortToHoldSpeechOpensNothing)
{
    const qint64 reads = count("kReadCount");
    std::unique_ptr<PhraseCardVC> card;
    ASSERT_NO_FATAL_FAILURE(startRecording(&card));
    clock.advance(30);
    card->endRecordAction(card->microphoneBtn());
    EXPECT_FALSE(isRecording(*card));
    EXPECT_EQ(card->spectrumCompView(), nullptr);
    EXPECT_EQ(count("kReadCount"), reads);
}

TEST_F(PhraseCardTest, AReleaseOutsideTheButtonStopsTheRecordingWithoutComparing)
{
    std::unique_ptr<PhraseCardVC> card;
    ASSERT_NO_FATAL_FAILURE(startRecording(&card));
    clock.advance(1000);
    card->cancelRecordAction(card->microphoneBtn());
    EXPECT_FALSE(isRecording(*card));
    EXPECT_EQ(card->spectrumCompView(), nullptr);
}

TEST_F(PhraseCardTest, LeavingTheScreenStopsARunningRecording)
{
    std::unique_ptr<PhraseCardVC> card;
    ASSERT_NO_FATAL_FAILURE(startRecording(&card));
    clock.advance(200);
    card->viewDidDisappear(false);
    EXPECT_FALSE(isRecording(*card));
    card->endRecordAction(card->microphoneBtn());  // the release that follows compares nothing
    EXPECT_EQ(card->spectrumCompView(), nullptr);
}

TEST(PhraseCardRating, TheRatingChanceFollowsTheSecondsRule)
{
    using Chance = PhraseCardVC::RatingChance;
    EXPECT_EQ(PhraseCardVC::ratingChanceAt(9), Chance::PromptIfCriteriaMet);
    EXPECT_EQ(PhraseCardVC::ratingChanceAt(0), Chance::PromptIfCriteriaMet);
    EXPECT_EQ(PhraseCardVC::ratingChanceAt(-6), Chance::PromptIfCriteriaMet);
    EXPECT_EQ(PhraseCardVC::ratingChanceAt(13), Chance::PromptNow);
    EXPECT_EQ(PhraseCardVC::ratingChanceAt(5), Chance::PromptNow);
    EXPECT_EQ(PhraseCardVC::ratingChanceAt(-7), Chance::None);  // negative: never at once
    EXPECT_EQ(PhraseCardVC::ratingChanceAt(7), Chance::None);
    EXPECT_EQ(PhraseCardVC::ratingChanceAt(14), Chance::None);
}

TEST_F(PhraseCardTest, BackAtAPromptNowSecondShowsTheReminder)
{
    ASSERT_NO_FATAL_FAILURE(backFromACardAt(13));  // 13 mod 4 = 1: at once
    EXPECT_NE(RatingPrompt::instance().visiblePrompt(), nullptr);
}

TEST_F(PhraseCardTest, BackAtASecondWithoutAChanceShowsNothing)
{
    ASSERT_NO_FATAL_FAILURE(backFromACardAt(7));
    EXPECT_EQ(RatingPrompt::instance().visiblePrompt(), nullptr);
}

TEST_F(PhraseCardTest, OnceThisVersionIsRatedBackNeverShowsTheReminder)
{
    RatingPrompt::instance().setRatedThisVersion();
    ASSERT_NO_FATAL_FAILURE(backFromACardAt(13));
    EXPECT_EQ(RatingPrompt::instance().visiblePrompt(), nullptr);
}

// The application: --microphone checks its file; --tour shows the card, the hidden text,
// the writing panel, the comparison of a file-fed recording and its words.
TEST(PhraseCardRun, TheMicrophoneOptionChecksItsFile)
{
    const QString program = QStringLiteral(PHRASEBOOK_BINARY_DIR "/bin/phrasebook");
    QString output;
    EXPECT_EQ(TestSupport::runProgram(program, {QStringLiteral("--microphone"), QStringLiteral("/nonexistent/voice.wav")},
                                      &output),
              2);
    EXPECT_TRUE(output.contains(QStringLiteral("/nonexistent/voice.wav"))) << qPrintable(output);
    const QString junk = TestSupport::freshDirectory(QStringLiteral("junk")) + QStringLiteral("/junk.wav");
    {
        QFile file(junk);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a sound file");
    }
    EXPECT_EQ(TestSupport::runProgram(program, {QStringLiteral("--microphone"), junk}, &output), 2);
    EXPECT_TRUE(output.contains(QStringLiteral("--microphone"))) << qPrintable(output);
}

TEST(PhraseCardRun, TheTourShowsTheCardItsHiddenTextTheWritingPanelAndTheComparison)
{
    const QString program = QStringLiteral(PHRASEBOOK_BINARY_DIR "/bin/phrasebook");
    QString output;
    const QString folder = TestSupport::freshDirectory(QStringLiteral("tour")) + QStringLiteral("/pictures");
    ASSERT_EQ(TestSupport::runProgram(program, {QStringLiteral("--tour"), folder}, &output, 120000), 0)
        << qPrintable(output);
    QImage pictures[5];
    const char *names[5] = {"card", "card-hidden", "write", "compare", "compare-word-playing"};
    for (int i = 0; i < 5; ++i) {
        pictures[i] = QImage(folder + QLatin1Char('/') + QLatin1String(names[i]) + QStringLiteral(".png"));
        EXPECT_FALSE(pictures[i].isNull()) << names[i];
    }
    EXPECT_NE(pictures[0], pictures[1]);
    EXPECT_NE(pictures[2], pictures[0]);
    EXPECT_NE(pictures[3], pictures[2]);
    EXPECT_NE(pictures[4], pictures[3]) << "a word of the strip playing";
}
