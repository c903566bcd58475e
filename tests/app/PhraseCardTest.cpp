// The phrase card: previous / next at the ends of the list, hide and show, the counters of
// the learner record, the hold-to-record flow with a file-fed microphone scored by the
// comparison panel, the recordings that must never be compared, denied microphone access,
// and the rating reminder on back.
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
        if (!TestSupport::programAvailable(QStringLiteral("flite")))
            return {};
        const QString path = folder + QStringLiteral("/speech.wav");
        const int status = TestSupport::runProgram(
            QStringLiteral("flite"), {QStringLiteral("-voice"), QStringLiteral("slt"), QStringLiteral("-t"), text,
                                      QStringLiteral("-o"), path});
        return status == 0 && QFileInfo::exists(path) ? path : QString();
    }
    static qint64 count(const char *key) { return AppCommon::getUserInfoCount(QLatin1String(key)); }
    static QString recordingOf(const PhraseInfo &phrase)
    {
        return AppCommon::recordFolderPath() + phrase.id + QStringLiteral(".caf");
    }
};
}

TEST_F(PhraseCardTest, PreviousAndNextStopAtTheEndsOfTheCategoryAndCountListens)
{
    const CategoryInfoPtr category = categoryWith(3);
    ASSERT_NE(category, nullptr);
    const QList<PhraseInfoPtr> phrases = *AppCommon::getPhraseInfoList(category->id);
    const int last = int(phrases.size()) - 1;

    const qint64 listens = count("kListenCount");
    auto card = cardAt(phrases.first());  // the category is found from the phrase
    EXPECT_EQ(card->categoryInfo(), category);
    EXPECT_EQ(count("kListenCount"), listens + 1);
    EXPECT_EQ(card->phraseLbl()->text(), phrases.first()->foreignText());
    EXPECT_EQ(card->translationLbl()->text(), phrases.first()->translationText());
    EXPECT_FALSE(card->translationLbl()->isHidden());
    EXPECT_EQ(card->lastItemImageName(), QStringLiteral("btn-last2"));
    EXPECT_FALSE(card->lastItemBtn()->isEnabled());
    EXPECT_EQ(card->nextItemImageName(), QStringLiteral("btn-next"));
    EXPECT_TRUE(card->nextItemBtn()->isEnabled());

    card->lastItemAction(card->lastItemBtn());  // nothing before the first phrase
    EXPECT_EQ(card->phraseInfo(), phrases.first());
    EXPECT_EQ(count("kListenCount"), listens + 1);

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
    EXPECT_EQ(count("kListenCount"), listens + 1 + last);

    card->lastItemAction(card->lastItemBtn());
    EXPECT_EQ(card->phraseInfo(), phrases.at(last - 1));
    EXPECT_EQ(CategoryController::currPhraseIndex(), last - 1);
    EXPECT_EQ(card->nextItemImageName(), QStringLiteral("btn-next"));
    EXPECT_TRUE(card->nextItemBtn()->isEnabled());

    card->playAction(card->playBtn());
    card->playAction(card->playBtn());
    EXPECT_EQ(count("kListenCount"), listens + 1 + last + 1 + 2);

    // A category of one phrase: both directions are closed from the start.
    auto single = std::make_shared<CategoryInfo>(*category);
    single->phraseInfoList = QList<PhraseInfoPtr>{phrases.first()};
    auto lonely = cardAt(phrases.first(), single);
    EXPECT_FALSE(lonely->lastItemBtn()->isEnabled());
    EXPECT_FALSE(lonely->nextItemBtn()->isEnabled());
    EXPECT_EQ(lonely->nextItemImageName(), QStringLiteral("btn-next2"));
    lonely->nextItemAction(lonely->nextItemBtn());
    EXPECT_EQ(lonely->phraseInfo(), phrases.first());
}

TEST_F(PhraseCardTest, LayoutHideShowAndTheContentLanguageHidesTheTranslation)
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

    EXPECT_FALSE(card->phraseLbl()->isHidden());
    EXPECT_EQ(card->lookImageName(), QStringLiteral("btn-look"));
    card->showAction(card->lookBtn());
    EXPECT_TRUE(card->phraseLbl()->isHidden());
    EXPECT_EQ(card->lookImageName(), QStringLiteral("btn-no-look"));
    card->nextItemAction(card->nextItemBtn());  // stepping keeps the text hidden
    EXPECT_TRUE(card->phraseLbl()->isHidden());
    card->showAction(card->lookBtn());
    EXPECT_FALSE(card->phraseLbl()->isHidden());
    EXPECT_EQ(card->lookImageName(), QStringLiteral("btn-look"));

    AppCommon::setLanguageOverride(QLatin1String(AppCommon::contentLanguageCode));
    auto native = cardAt(category->phraseInfoList->first());
    EXPECT_TRUE(native->translationLbl()->isHidden());
    native->nextItemAction(native->nextItemBtn());
    EXPECT_TRUE(native->translationLbl()->isHidden());
}

TEST_F(PhraseCardTest, AHeldRecordingIsComparedForThePhraseShownAndNothingStaleIsEverScored)
{
    if (!QFileInfo::exists(ResourceLocator::bundlePath(QStringLiteral("EnglishAcousticModel")) + QStringLiteral("/mdef")))
        GTEST_SKIP() << "no acoustic model bundle";
    const CategoryInfoPtr category = categoryWith(2);
    ASSERT_NE(category, nullptr);
    const PhraseInfoPtr first = category->phraseInfoList->at(0);
    const PhraseInfoPtr second = category->phraseInfoList->at(1);
    const QString voice = speech(first->foreignText());
    if (voice.isEmpty())
        GTEST_SKIP() << "flite is not available";
    AudioSession::sharedInstance().setMicrophoneFile(voice);
    QFile::remove(recordingOf(*first));
    QFile::remove(recordingOf(*second));

    auto card = cardAt(first);
    card->view()->show();
    const qint64 reads = count("kReadCount");

    // Hold: the learner says the first phrase; release: the panel compares it.
    card->beginRecordAction(card->microphoneBtn());
    ASSERT_TRUE(card->audioRecorder()->recorder() && card->audioRecorder()->recorder()->isRecording());
    EXPECT_EQ(card->myVoicePath(), recordingOf(*first));
    clock.advanceMs(3000);
    card->endRecordAction(card->microphoneBtn());
    EXPECT_FALSE(card->audioRecorder()->recorder()->isRecording());
    SpectrumCompView *panel = card->spectrumCompView();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->standardText(), first->foreignText());
    EXPECT_EQ(panel->standardAudioFilePath(), AppCommon::getVoicePath(*first));
    EXPECT_EQ(panel->estimatedAudioFilePath(), recordingOf(*first));
    EXPECT_EQ(panel->phraseInfos(), *category->phraseInfoList);
    EXPECT_GT(panel->score(), 0);
    EXPECT_TRUE(panel->testedWordScoreLbl()->isHidden());
    const qreal H = card->view()->bounds().height(), W = card->view()->bounds().width();
    EXPECT_NEAR(panel->frame().height(), panel->bodyView()->frame().height() + panel->headH(), 1);
    EXPECT_NEAR(panel->frame().center().y(), H / 2, 1);
    EXPECT_NEAR(panel->frame().width(), 0.9 * W, 1);
    EXPECT_EQ(count("kReadCount"), reads + 1);
    panel->closeAction(panel->closeButton());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(card->spectrumCompView(), nullptr);

    // On the next phrase without a microphone: the alert, no recording, and the release
    // never compares the first phrase's recording (still on disk, still myVoicePath) as
    // this one.
    card->nextItemAction(card->nextItemBtn());
    AudioSession::sharedInstance().setMicrophoneFile(QString());
    int opened = 0;
    PhraseCardVC::setSettingsOpener([&opened]() { ++opened; return true; });
    card->beginRecordAction(card->microphoneBtn());
    const QList<AlertView *> alerts = AlertView::visibleAlerts();
    ASSERT_EQ(alerts.size(), 1);
    EXPECT_EQ(alerts.first()->message(), QStringLiteral("Microphone Access Denied"));
    EXPECT_TRUE(alerts.first()->title().isEmpty());
    EXPECT_EQ(alerts.first()->buttonTitle(0), QStringLiteral("Cancel"));
    EXPECT_EQ(card->myVoicePath(), recordingOf(*first));
    card->endRecordAction(card->microphoneBtn());
    EXPECT_EQ(card->spectrumCompView(), nullptr);
    EXPECT_EQ(count("kReadCount"), reads + 1);
    EXPECT_TRUE(QFileInfo::exists(recordingOf(*first)));
    alerts.first()->clickButton(1);
    EXPECT_EQ(opened, 1);
    PhraseCardVC::setSettingsOpener({});

    // A tap too short to hold speech opens nothing.
    AudioSession::sharedInstance().setMicrophoneFile(voice);
    card->beginRecordAction(card->microphoneBtn());
    clock.advanceMs(30);
    card->endRecordAction(card->microphoneBtn());
    EXPECT_EQ(card->spectrumCompView(), nullptr);
    EXPECT_EQ(count("kReadCount"), reads + 1);

    // A release outside the button stops the recording without comparing.
    card->beginRecordAction(card->microphoneBtn());
    clock.advanceMs(1000);
    card->cancelRecordAction(card->microphoneBtn());
    EXPECT_FALSE(card->audioRecorder()->recorder()->isRecording());
    EXPECT_EQ(card->spectrumCompView(), nullptr);

    // Leaving the screen stops a running recording.
    AudioSession::sharedInstance().setMicrophoneFile(voice);
    card->beginRecordAction(card->microphoneBtn());
    clock.advanceMs(200);
    card->viewDidDisappear(false);
    EXPECT_FALSE(card->audioRecorder()->recorder()->isRecording());
    card->endRecordAction(card->microphoneBtn());
    EXPECT_EQ(card->spectrumCompView(), nullptr);
}

TEST_F(PhraseCardTest, TheRatingReminderFollowsTheSecondsRuleOnBackUntilAVersionIsRated)
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

    RatingPrompt &prompt = RatingPrompt::instance();
    prompt.reset();
    Window window(QRectF(0, 0, 375, 667));
    window.setRootViewController(std::make_unique<NavigationController>(std::make_unique<BaseViewController>()));
    window.makeKeyAndVisible();
    auto *navigation = qobject_cast<NavigationController *>(window.rootViewController());
    const CategoryInfoPtr category = categoryWith(1);
    ASSERT_NE(category, nullptr);

    qint64 t = 13;
    PhraseCardVC::setSecondsSinceReferenceDateSource([&t]() { return t; });
    auto open = [&]() {
        auto card = std::make_unique<PhraseCardVC>();
        card->setPhraseInfo(category->phraseInfoList->first());
        PhraseCardVC *raw = card.get();
        navigation->pushViewController(std::move(card), false);
        return raw;
    };
    PhraseCardVC *card = open();
    card->back(nullptr);
    navigation->finishTransition();
    EXPECT_NE(navigation->topViewController(), card);
    ASSERT_NE(prompt.visiblePrompt(), nullptr);  // t mod 4 = 1: at once
    prompt.visiblePrompt()->clickButton(1);      // remind me later
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    t = 7;
    open()->back(nullptr);
    navigation->finishTransition();
    EXPECT_EQ(prompt.visiblePrompt(), nullptr);

    prompt.setRatedThisVersion();
    t = 13;
    open()->back(nullptr);
    navigation->finishTransition();
    EXPECT_EQ(prompt.visiblePrompt(), nullptr);

    PhraseCardVC::setSecondsSinceReferenceDateSource({});
    prompt.reset();
}

// The application: --microphone checks its file; --tour shows the card, the hidden text,
// the writing panel and the comparison of a file-fed recording.
TEST(PhraseCardRun, TheTourShowsTheCardAndTheMicrophoneOptionChecksItsFile)
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

    const QString folder = TestSupport::freshDirectory(QStringLiteral("tour")) + QStringLiteral("/pictures");
    ASSERT_EQ(TestSupport::runProgram(program, {QStringLiteral("--tour"), folder}, &output, 120000), 0)
        << qPrintable(output);
    QImage pictures[4];
    const char *names[4] = {"card", "card-hidden", "write", "compare"};
    for (int i = 0; i < 4; ++i) {
        pictures[i] = QImage(folder + QLatin1Char('/') + QLatin1String(names[i]) + QStringLiteral(".png"));
        EXPECT_FALSE(pictures[i].isNull()) << names[i];
    }
    EXPECT_NE(pictures[0], pictures[1]);
    EXPECT_NE(pictures[2], pictures[0]);
    EXPECT_NE(pictures[3], pictures[2]);
}
