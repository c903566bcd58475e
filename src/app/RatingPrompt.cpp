#include "RatingPrompt.h"

#include "platform/ui/AlertView.h"
#include "platform/foundation/Clock.h"
#include "platform/foundation/PlatformPaths.h"
#include "platform/ui/UrlOpener.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>

namespace {
const QString kUses = QStringLiteral("usesCount");
const QString kFirstUse = QStringLiteral("firstUseDate");
const QString kRatedVersion = QStringLiteral("ratedVersion");
const QString kDeclinedVersion = QStringLiteral("declinedVersion");
const QString kLastReminded = QStringLiteral("lastReminded");
const QString kVersionOfUses = QStringLiteral("usesVersion");
constexpr double kRemindPeriodDays = 1.0;
}

RatingPrompt &RatingPrompt::instance()
{
    static RatingPrompt *prompt = new RatingPrompt;  // lives for the process
    return *prompt;
}

RatingPrompt::RatingPrompt() = default;
RatingPrompt::~RatingPrompt() = default;

QSettings &RatingPrompt::store() const
{
    if (!m_store)
        m_store = std::make_unique<QSettings>(PlatformPaths::documentsDirectory() + QStringLiteral("/ratingPrompt.ini"),
                                              QSettings::IniFormat);
    return *m_store;
}

QDateTime RatingPrompt::now() const { return Clock::instance().currentDateTimeUtc(); }

void RatingPrompt::configure(const Configuration &configuration) { m_configuration = configuration; }

QString RatingPrompt::applicationVersion() const
{
    const QString version = QCoreApplication::applicationVersion();
    return version.isEmpty() ? QStringLiteral("0") : version;
}

void RatingPrompt::logUse()
{
    QSettings &settings = store();
    if (!settings.contains(kFirstUse))
        settings.setValue(kFirstUse, now());
    // Uses count per version, as a new version starts a fresh count.
    if (settings.value(kVersionOfUses).toString() != applicationVersion()) {
        settings.setValue(kVersionOfUses, applicationVersion());
        settings.setValue(kUses, 0);
    }
    settings.setValue(kUses, settings.value(kUses).toInt() + 1);
    settings.sync();
    if (m_configuration.promptAtLaunch)
        promptIfCriteriaMet();
}

int RatingPrompt::usesCount() const { return store().value(kUses).toInt(); }

QDateTime RatingPrompt::firstUseDate() const { return store().value(kFirstUse).toDateTime(); }

bool RatingPrompt::ratedThisVersion() const { return store().value(kRatedVersion).toString() == applicationVersion(); }

bool RatingPrompt::ratedAnyVersion() const { return !store().value(kRatedVersion).toString().isEmpty(); }

bool RatingPrompt::declinedThisVersion() const
{
    return store().value(kDeclinedVersion).toString() == applicationVersion();
}

bool RatingPrompt::shouldPromptForRating() const
{
    if (ratedThisVersion())
        return false;
    if (ratedAnyVersion() && !m_configuration.promptForNewVersionIfUserRated)
        return false;
    if (declinedThisVersion())
        return false;
    const QDateTime first = firstUseDate();
    if (!first.isValid())
        return false;
    const double days = double(first.secsTo(now())) / 86400.0;
    if (days < m_configuration.daysUntilPrompt)
        return false;
    if (usesCount() < m_configuration.usesUntilPrompt)
        return false;
    const QDateTime reminded = store().value(kLastReminded).toDateTime();
    if (reminded.isValid() && double(reminded.secsTo(now())) / 86400.0 < kRemindPeriodDays)
        return false;
    return true;
}

bool RatingPrompt::promptIfCriteriaMet()
{
    if (m_prompt || !shouldPromptForRating())
        return false;
    promptForRating();
    return !m_prompt.isNull();
}

void RatingPrompt::promptForRating()
{
    if (m_prompt)
        return;
    const QString name = QStringLiteral("Phrasebook");
    auto *alert = new AlertView(tr("Rate %1").arg(name),
                                tr("If you enjoy using %1, would you mind taking a moment to rate it? "
                                   "It won't take more than a minute. Thanks for your support!")
                                    .arg(name));
    const int rate = alert->addButton(tr("Rate It Now"));
    const int later = alert->addButton(tr("Remind Me Later"));
    // Escape puts the question off, whether or not there is a button that declines it.
    alert->setEscapeButtonIndex(later);
    int decline = -1;
    if (!m_configuration.cancelButtonLabel.isEmpty()) {
        decline = alert->addButton(m_configuration.cancelButtonLabel);
        alert->setCancelButtonIndex(decline);
    }
    connect(alert, &AlertView::clicked, this, [this, rate, later, decline](int index) {
        if (index == rate) {
            openRatingsPage();
        } else if (index == later) {
            remindLater();
        } else if (index == decline) {
            store().setValue(kDeclinedVersion, applicationVersion());
            store().sync();
        }
    });
    if (alert->show())
        m_prompt = alert;
}

void RatingPrompt::openRatingsPage()
{
    setRatedThisVersion();
    const QUrl url = m_configuration.ratingsURL;
    emit ratingsPageOpened(url);
    UrlOpener::openOrAlert(url, tr("The store page cannot be opened on this computer."));
}

void RatingPrompt::setRatedThisVersion()
{
    store().setValue(kRatedVersion, applicationVersion());
    store().sync();
}

void RatingPrompt::remindLater()
{
    store().setValue(kLastReminded, now());
    store().sync();
}

void RatingPrompt::reset()
{
    store().clear();
    store().sync();
    m_store.reset();
    m_configuration = Configuration();
    if (m_prompt)
        m_prompt->deleteLater();
    m_prompt = nullptr;
}
