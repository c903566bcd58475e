#pragma once

#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>

// Stands in for the desktop's programs in tests: while it lives, the addresses of the given
// schemes that the application opens land in `opened` instead. setFailing(true) makes
// opening them fail, as on a desktop where no program can be started for them.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    explicit UrlCatcher(const QStringList &schemes = {QStringLiteral("https"), QStringLiteral("mailto")});
    ~UrlCatcher() override;
    void setFailing(bool failing);
    void setFailing(const QString &scheme, bool failing);

    QList<QUrl> opened;

public slots:
    void open(const QUrl &url);

private:
    QStringList m_schemes;
};
