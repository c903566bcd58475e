// The settings screen: its rows and values, the speed slider, the recordings folder, the
// review row and the rating prompt, feedback mail, sharing, and the right-to-left layout.
#include "SettingsFixture.h"

#include "app/CategoryController.h"
#include "app/MainViewController.h"
#include "app/RatingPrompt.h"
#include "app/ScreenTour.h"
#include "app/StoreLinks.h"
#include "audio/ZQListPlayerBoxView.h"
#include "content/AppCommon.h"
#include "platform/foundation/Preferences.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/MailComposer.h"
#include "platform/ui/SharePanel.h"
#include "platform/ui/Slider.h"
#include "platform/ui/Switch.h"
#include "platform/ui/TableViewCell.h"
#include "platform/ui/ViewSupport.h"
#include "settings/SettingsScreens.h"
#include "settings/UserInfoVC.h"
#include "support/TestSupport.h"

#include <QLocale>
#include <QTest>
#include <QUrlQuery>

namespace {
class SettingsScreenTest : public SettingsFixture
{
};

QString alertMessage()
{
    const QList<AlertView *> alerts = AlertView::visibleAlerts();
    return alerts.size() == 1 ? alerts.first()->message() : QStringLiteral("<%1 alerts>").arg(alerts.size());
}

RatingPrompt::Configuration launchRating()
{
    RatingPrompt::Configuration rating;
    rating.promptAtLaunch = false;
    rating.onlyPromptIfLatestVersion = false;
    rating.daysUntilPrompt = 0;
    rating.usesUntilPrompt = 3;
    return rating;
}
}

TEST_F(SettingsScreenTest, FreshInstallationShowsItsDefaultsInTaggedRows)
{
    open();
    EXPECT_EQ(settings->toolBar()->titleLabel()->text(), QStringLiteral("Settings"));
    EXPECT_DOUBLE_EQ(settings->rowHeight(), 50.0);
    TableView *table = settings->bodyView();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->style(), TableView::Style::Grouped);
    EXPECT_DOUBLE_EQ(table->frame().top(), 20 + 44);
    EXPECT_EQ(table->numberOfSections(), 3);
    QList<int> tags;
    QStringList titles;
    for (int section = 0; section < table->numberOfSections(); ++section) {
        for (int row = 0; row < table->numberOfRowsInSection(section); ++row) {
            TableViewCell *cell = table->cellForRowAtIndexPath({section, row});
            tags << ViewSupport::tag(cell);
            titles << cell->textLabel()->text();
            EXPECT_DOUBLE_EQ(cell->frame().height(), 50.0);
        }
    }
    EXPECT_EQ(tags, (QList<int>{20, 60, 66, 70, 76, 80, 85, 90, 96}));
    EXPECT_EQ(titles, (QStringList{"XP", "Play Speed", "Test Duration", "Clear Cache", "Word Feedback", "Feedback",
                                   "More App", "Review App", "Share App"}));
    EXPECT_EQ(settings->speedLbl()->text(), QStringLiteral("1.0x"));
    EXPECT_EQ(settings->testDurLbl()->text(), QStringLiteral("01:00"));
    EXPECT_EQ(settings->sizeLbl()->text(), QStringLiteral("0.00 MB")) << "a missing folder is empty";
    EXPECT_FLOAT_EQ(settings->speedSlider()->value(), 1.0f);
    EXPECT_FLOAT_EQ(settings->speedSlider()->minimumValue(), 0.2f);
    EXPECT_FLOAT_EQ(settings->speedSlider()->maximumValue(), 2.0f);
    // The speed row has no arrow and no highlight; the others open something.
    TableViewCell *speed = settings->cellWithTag(60);
    EXPECT_EQ(speed->accessoryType(), TableViewCell::AccessoryType::None);
    EXPECT_EQ(speed->selectionStyle(), TableViewCell::SelectionStyle::None);
    EXPECT_EQ(settings->cellWithTag(66)->accessoryType(), TableViewCell::AccessoryType::DisclosureIndicator);
    // Left to right: the value labels end m + 20 from the right, the slider follows its label.
    const qreal m = 375.0 / 16;
    EXPECT_DOUBLE_EQ(settings->testDurLbl()->frame().left(), 375 - 150 - m - 20);
    EXPECT_DOUBLE_EQ(settings->speedLbl()->frame().left(), 375 - 125 - m - 30);
    EXPECT_DOUBLE_EQ(settings->speedSlider()->frame().left(), settings->speedLbl()->frame().right() + 5);
    EXPECT_LE(speed->textLabel()->frame().right(), 375 / 2.0) << "the speed title takes half the row";
}

TEST_F(SettingsScreenTest, SliderStoresTheSpeedRoundedToOneDecimalAndThePlayersUseIt)
{
    open();
    Slider *slider = settings->speedSlider();
    slider->setValue(1.26f);
    settings->setPlaySpeed(slider);
    EXPECT_DOUBLE_EQ(AppCommon::playSpeed(), 1.3);
    EXPECT_EQ(settings->speedLbl()->text(), QStringLiteral("1.3x"));

    // Dragging the thumb to the left end stores the slowest speed as it moves.
    const QPoint thumb = slider->thumbRect().center().toPoint();
    QTest::mousePress(slider, Qt::LeftButton, {}, thumb);
    QMouseEvent move(QEvent::MouseMove, QPointF(-50, thumb.y()), slider->mapToGlobal(QPointF(-50, thumb.y())),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(slider, &move);
    EXPECT_DOUBLE_EQ(AppCommon::playSpeed(), 0.2) << "stored before the thumb is released";
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(-50, thumb.y()));
    EXPECT_EQ(settings->speedLbl()->text(), QStringLiteral("0.2x"));

    // A rebuilt table shows the stored speed; the category screen's player plays at it.
    settings->refreshSettings();
    EXPECT_EQ(settings->speedLbl()->text(), QStringLiteral("0.2x"));
    AppCommon::resetCatalogue(AppFixture::writeBundle(TestSupport::freshDirectory(QStringLiteral("speed")), 1));
    ASSERT_TRUE(AppCommon::preloadCatalogue());
    CategoryController category;
    category.setCategoryInfo(AppCommon::getCategoryInfoList().first());
    category.setPhraseInfoList(AppCommon::getPhraseInfoList(AppCommon::getCategoryInfoList().first()->id));
    category.view();
    ASSERT_NE(category.playerBoxView(), nullptr);
    EXPECT_FLOAT_EQ(category.playerBoxView()->playRate(), 0.2f);
}

TEST_F(SettingsScreenTest, ClearCacheEmptiesTheRecordingsOnlyWhenConfirmed)
{
    open();
    // Recordings made while the screen was away show when it appears again.
    writeRecording(QStringLiteral("101.caf"), 1024 * 1024);
    writeRecording(QStringLiteral("102.caf"), 512 * 1024);
    settings->viewDidAppear(false);
    EXPECT_EQ(settings->sizeLbl()->text(), QStringLiteral("1.50 MB"));

    settings->selectCellWithTag(SettingViewController::kClearCacheTag);
    AlertView *alert = settings->clearCacheAlert();
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->tag(), 4001);
    EXPECT_TRUE(alert->title().isEmpty());
    EXPECT_EQ(alert->message(), QStringLiteral("Are you sure?"));
    EXPECT_EQ(alert->buttonTitle(0), QStringLiteral("Cancel"));
    EXPECT_EQ(alert->buttonTitle(1), QStringLiteral("OK"));
    alert->clickButton(0);
    EXPECT_EQ(settings->sizeLbl()->text(), QStringLiteral("1.50 MB"));
    EXPECT_TRUE(QFile::exists(AppCommon::recordFolderPath() + QStringLiteral("101.caf")));

    settings->selectCellWithTag(SettingViewController::kClearCacheTag);
    settings->clearCacheAlert()->clickButton(1);
    EXPECT_EQ(settings->sizeLbl()->text(), QStringLiteral("0.00 MB"));
    EXPECT_TRUE(QDir(AppCommon::recordFolderPath()).isEmpty());
}

TEST_F(SettingsScreenTest, ReviewCountsOnceAndStopsTheRatingPrompt)
{
    open();
    RatingPrompt &prompt = RatingPrompt::instance();
    prompt.configure(launchRating());
    for (int use = 0; use < 3; ++use)
        prompt.logUse();
    ASSERT_TRUE(prompt.shouldPromptForRating());
    const qint64 before = AppCommon::getTotalExp();

    settings->selectCellWithTag(SettingViewController::kReviewAppTag);
    EXPECT_EQ(catcher.opened, QList<QUrl>{StoreLinks::reviewPage()});
    EXPECT_EQ(AppCommon::getUserInfoCount(QStringLiteral("kReviewed")), 1);
    EXPECT_EQ(AppCommon::getTotalExp(), before + 1000);
    EXPECT_FALSE(prompt.shouldPromptForRating());
    EXPECT_FALSE(prompt.promptIfCriteriaMet());

    settings->selectCellWithTag(SettingViewController::kReviewAppTag);
    EXPECT_EQ(catcher.opened.size(), 2);
    EXPECT_EQ(AppCommon::getUserInfoCount(QStringLiteral("kReviewed")), 1) << "counted the first time only";
    EXPECT_EQ(settings->cellWithTag(SettingViewController::kExperienceTag), settings->cellWithTag(20));
}

TEST_F(SettingsScreenTest, OutsideAddressesAlertWhenNothingOpensThem)
{
    open();
    settings->selectCellWithTag(SettingViewController::kMoreAppTag);
    EXPECT_EQ(catcher.opened, QList<QUrl>{StoreLinks::moreAppsPage()});
    EXPECT_TRUE(AlertView::visibleAlerts().isEmpty());
    catcher.setFailing(QStringLiteral("https"), true);
    settings->selectCellWithTag(SettingViewController::kMoreAppTag);
    EXPECT_TRUE(alertMessage().contains(StoreLinks::moreAppsPage().toDisplayString())) << alertMessage().toStdString();
}

TEST_F(SettingsScreenTest, FeedbackMailCarriesTheVersionAndReportsItsEnd)
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    open();
    settings->selectCellWithTag(SettingViewController::kFeedbackTag);
    MailComposer *composer = settings->mailComposer();
    ASSERT_NE(composer, nullptr);
    EXPECT_EQ(composer->toRecipients(), QStringList{StoreLinks::supportAddress()});
    EXPECT_EQ(composer->subject(), QStringLiteral("Some advices on the APP"));
    const QStringList lines = composer->messageBody().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines.mid(0, 5), QStringList(5, QString()));
    EXPECT_EQ(lines.at(5), QStringLiteral("----------"));
    EXPECT_TRUE(lines.at(6).startsWith(QStringLiteral("V") + QCoreApplication::applicationVersion() + QLatin1Char('/')));
    EXPECT_EQ(lines.at(7), StoreLinks::appPage(QStringLiteral("fr")).toString()) << "the store of the learner's country";
    EXPECT_TRUE(lines.at(7).contains(QStringLiteral("/fr/")));
    QLocale::setDefault(QLocale::c());

    composer->send();
    EXPECT_EQ(alertMessage(), QStringLiteral("Sent successfully"));
    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(catcher.opened.first().scheme(), QStringLiteral("mailto"));
    AppFixture::flushDeletes();
    EXPECT_EQ(settings->mailComposer(), nullptr) << "dismissed";
    AlertView::visibleAlerts().first()->clickButton(0);

    catcher.setFailing(QStringLiteral("mailto"), true);
    settings->selectCellWithTag(SettingViewController::kFeedbackTag);
    settings->mailComposer()->send();
    EXPECT_EQ(alertMessage(), QStringLiteral("Failed to send"));
    AlertView::visibleAlerts().first()->clickButton(0);

    settings->selectCellWithTag(SettingViewController::kFeedbackTag);
    settings->mailComposer()->cancel();
    EXPECT_TRUE(AlertView::visibleAlerts().isEmpty()) << "cancelling says nothing";
    AppFixture::flushDeletes();
    EXPECT_EQ(settings->mailComposer(), nullptr);
}

TEST_F(SettingsScreenTest, ShareIsASheetOnPhonesAndAPopoverOnTablets)
{
    QLocale::setDefault(QLocale::c());  // no country: the links use "us"
    open();
    settings->selectCellWithTag(SettingViewController::kShareAppTag);
    SharePanel *sheet = settings->sharePanel();
    ASSERT_NE(sheet, nullptr);
    EXPECT_FALSE(sheet->isPopover());
    EXPECT_EQ(sheet->link(), StoreLinks::appPage(QStringLiteral("us")));
    EXPECT_FALSE(sheet->message().isEmpty());
    EXPECT_NE(sheet->message(), QStringLiteral("shareMsg")) << "the key itself is never shown";
    EXPECT_FALSE(sheet->image().isNull());
    sheet->cancel();
    AppFixture::flushDeletes();
    window.reset();

    open(*DeviceProfile::preset(QStringLiteral("tablet")));
    EXPECT_DOUBLE_EQ(settings->rowHeight(), 65.0);
    settings->selectCellWithTag(SettingViewController::kShareAppTag);
    SharePanel *popover = settings->sharePanel();
    ASSERT_NE(popover, nullptr);
    EXPECT_TRUE(popover->isPopover());
    EXPECT_DOUBLE_EQ(popover->arrowRect().center().x(), 768 / 2.0);
    EXPECT_DOUBLE_EQ(popover->arrowRect().top(), 1024 / 2.0) << "anchored at the centre of the screen";
}

TEST_F(SettingsScreenTest, RightToLeftPutsTheValuesAtTheLeft)
{
    open(DeviceProfile::defaultProfile(), QStringLiteral("ar"));
    EXPECT_TRUE(settings->isAR_LANG());
    EXPECT_DOUBLE_EQ(settings->testDurLbl()->frame().left(), 0);
    EXPECT_DOUBLE_EQ(settings->sizeLbl()->frame().left(), 0);
    EXPECT_DOUBLE_EQ(settings->speedLbl()->frame().left(), 20);
    EXPECT_DOUBLE_EQ(settings->speedSlider()->frame().left(), 55);
    EXPECT_DOUBLE_EQ(ViewSupport::frame(settings->wordFeedbackSwitch()).left(), 20);
    TableViewCell *speed = settings->cellWithTag(SettingViewController::kPlaySpeedTag);
    EXPECT_GE(speed->textLabel()->frame().left(), 375 / 2.0 - 1) << "the title takes the right half";
    TableViewCell *clear = settings->cellWithTag(SettingViewController::kClearCacheTag);
    EXPECT_EQ(clear->textLabel()->textAlignment(), Qt::AlignRight);
    EXPECT_EQ(clear->accessoryType(), TableViewCell::AccessoryType::None) << "its arrow is drawn at the left instead";
    EXPECT_GE(clear->textLabel()->frame().right(), 375 - 16) << "the title reaches the right edge";

    settings->selectCellWithTag(SettingViewController::kExperienceTag);
    nav->finishTransition();
    auto *statistics = qobject_cast<UserInfoVC *>(nav->topViewController());
    ASSERT_NE(statistics, nullptr);
    TableViewCell *start = statistics->bodyView()->cellForRowAtIndexPath({1, 0});
    EXPECT_GT(start->textLabel()->frame().left(), start->detailTextLabel()->frame().right() - 1)
        << "the statistics are mirrored too";
}

// The phrase card's word feedback: on in a fresh installation (and when the stored value
// cannot be read), off once the switch or its row turns it off, as the rebuilt table shows.
TEST_F(SettingsScreenTest, WordFeedbackIsOnUntilTheSwitchTurnsItOff)
{
    open();
    Switch *toggle = settings->wordFeedbackSwitch();
    ASSERT_NE(toggle, nullptr);
    EXPECT_TRUE(toggle->isOn());
    EXPECT_TRUE(AppCommon::wordFeedback());
    EXPECT_EQ(toggle->accessibleName(), QStringLiteral("Word Feedback"));
    TableViewCell *row = settings->cellWithTag(SettingViewController::kWordFeedbackTag);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->accessoryType(), TableViewCell::AccessoryType::None);
    EXPECT_EQ(toggle->parentWidget(), row);
    EXPECT_DOUBLE_EQ(ViewSupport::frame(toggle).right(), 375 - 375.0 / 16) << "at the right, where the slider ends";
    EXPECT_DOUBLE_EQ(ViewSupport::frame(toggle).center().y(), 25);
    EXPECT_LE(row->textLabel()->frame().right(), 375 / 2.0);

    QTest::mouseClick(toggle, Qt::LeftButton, {}, toggle->rect().center());
    EXPECT_FALSE(toggle->isOn());
    EXPECT_FALSE(AppCommon::wordFeedback());
    EXPECT_FALSE(Preferences::value(QString::fromLatin1(AppCommon::kWordFeedbackKey)).toBool());
    settings->refreshSettings();
    EXPECT_FALSE(settings->wordFeedbackSwitch()->isOn());

    // A tap on the row flips the switch, as on the switch itself.
    settings->selectCellWithTag(SettingViewController::kWordFeedbackTag);
    EXPECT_TRUE(settings->wordFeedbackSwitch()->isOn());
    EXPECT_TRUE(AppCommon::wordFeedback());

    Preferences::setValue(QString::fromLatin1(AppCommon::kWordFeedbackKey), QStringLiteral("garbled"));
    EXPECT_TRUE(AppCommon::wordFeedback());
    Preferences::setValue(QString::fromLatin1(AppCommon::kWordFeedbackKey), 0);
    EXPECT_FALSE(AppCommon::wordFeedback());
}

TEST_F(SettingsScreenTest, ExperienceRowZoomsIntoTheStatistics)
{
    open();
    TableViewCell *row = settings->cellWithTag(SettingViewController::kExperienceTag);
    ASSERT_NE(row, nullptr);
    const QPointF centre = ViewSupport::centerInWindow(row);
    settings->didSelectRowAtIndexPath(settings->bodyView(), *settings->bodyView()->indexPathForCell(row));
    ASSERT_TRUE(settings->hitPointForAnimateTransition().has_value());
    EXPECT_EQ(*settings->hitPointForAnimateTransition(), centre);
    EXPECT_EQ(nav->delegate(), settings);
    nav->finishTransition();
    EXPECT_NE(qobject_cast<UserInfoVC *>(nav->topViewController()), nullptr);
}

TEST_F(SettingsScreenTest, TheMainScreensButtonOpensTheRegisteredScreen)
{
    const QString bundle = AppFixture::writeBundle(TestSupport::freshDirectory(QStringLiteral("gear")), 2);
    AppFixture::resetState(bundle);
    ASSERT_TRUE(AppCommon::preloadCatalogue());
    window = std::make_unique<Window>(Screen::bounds());
    auto screen = std::make_unique<MainViewController>();
    MainViewController *main = screen.get();
    auto navigation = std::make_unique<NavigationController>(std::move(screen));
    nav = navigation.get();
    window->setRootViewController(std::move(navigation));
    window->makeKeyAndVisible();
    main->openSettings(main->toolBar()->leftBtn());
    EXPECT_EQ(nav->viewControllers().size(), 1) << "nothing registered: the button does nothing";

    SettingsScreens::registerWithShell();
    SettingsScreens::registerWithShell();
    main->openSettings(main->toolBar()->leftBtn());
    nav->finishTransition();
    EXPECT_NE(qobject_cast<SettingViewController *>(nav->topViewController()), nullptr);
    int settingsSteps = 0;
    for (const ScreenTour::Step &step : ScreenTour::steps())
        settingsSteps += step.name == QLatin1String("settings") ? 1 : 0;
    EXPECT_EQ(settingsSteps, 1) << "registering twice adds the tour steps once";
}

TEST(StoreLinksTest, CountryFallsBackToUs)
{
    EXPECT_EQ(StoreLinks::expand(QStringLiteral("https://s.org/{country}/app/{country}"), QStringLiteral("DE")),
              QUrl(QStringLiteral("https://s.org/de/app/de")));
    EXPECT_EQ(StoreLinks::expand(QStringLiteral("https://s.org/{country}/app"), QString()),
              QUrl(QStringLiteral("https://s.org/us/app")));
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(StoreLinks::countryCode(), QStringLiteral("us"));
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    EXPECT_EQ(StoreLinks::countryCode(), QStringLiteral("br"));
    QLocale::setDefault(QLocale::c());
    EXPECT_FALSE(StoreLinks::supportAddress().isEmpty());
    EXPECT_FALSE(StoreLinks::reviewPage().toString().contains(QStringLiteral("{country}")));
}
