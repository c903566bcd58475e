#pragma once

#include "platform/ui/AlertView.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <memory>

class QSettings;

// The reminder that asks the learner to rate the application in its store.
//
// It counts uses (one per launch), remembers the first use, the versions rated or declined
// and the last "remind me later"; promptIfCriteriaMet() shows the in-window prompt when
// every criterion holds:
//   - this version is not rated, and no version is rated unless promptForNewVersionIfUserRated;
//   - this version was not declined;
//   - at least daysUntilPrompt days since the first use and usesUntilPrompt uses;
//   - a day has passed since the learner chose "Remind Me Later".
// The prompt offers "Rate It Now" (opens ratingsURL and marks this version rated) and
// "Remind Me Later"; a cancel button with cancelButtonLabel (declining this version) exists
// only when that label is not empty. The state lives in ratingPrompt.ini in the Documents
// folder, apart from the learner's preferences. Dates come from the installed clock
// (platform/foundation/Clock), so tests move them with a manual clock.
//
// Thread: main thread. Failure: a store page that cannot be opened shows an alert saying
// so (the version still counts as rated: the learner chose to rate); an unwritable state
// file keeps the state for the process.
class RatingPrompt : public QObject
{
    Q_OBJECT
public:
    struct Configuration
    {
        QString cancelButtonLabel;
        bool promptAtLaunch = true;
        bool promptForNewVersionIfUserRated = false;
        bool onlyPromptIfLatestVersion = true;
        double daysUntilPrompt = 10;
        int usesUntilPrompt = 10;
        QUrl ratingsURL;
    };

    static RatingPrompt &instance();

    void configure(const Configuration &configuration);
    const Configuration &configuration() const { return m_configuration; }
    QString applicationVersion() const;

    // Counts one use; prompts at once when promptAtLaunch and the criteria hold.
    void logUse();
    int usesCount() const;
    QDateTime firstUseDate() const;

    bool shouldPromptForRating() const;
    // Shows the prompt when the criteria hold; true when it was shown.
    bool promptIfCriteriaMet();
    void promptForRating();
    AlertView *visiblePrompt() const { return m_prompt; }

    void openRatingsPage();
    void setRatedThisVersion();
    bool ratedThisVersion() const;
    bool ratedAnyVersion() const;
    bool declinedThisVersion() const;
    void remindLater();

    // Tests: forget the stored state and configuration.
    void reset();

signals:
    void ratingsPageOpened(const QUrl &url);

private:
    RatingPrompt();
    ~RatingPrompt() override;
    QSettings &store() const;
    QDateTime now() const;

    Configuration m_configuration;
    mutable std::unique_ptr<QSettings> m_store;
    QPointer<AlertView> m_prompt;
};
