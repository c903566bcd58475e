#pragma once

#include "app/BaseViewController.h"
#include "platform/ui/TableView.h"

#include <QPointer>
#include <QVariantMap>

// The learner's statistics: the experience points in a row of their own, then one row per
// activity counter of the learner record with the formula of its contribution ("10 * 3",
// "5 * 12", the quiz score alone, "1000 * 1").
//
// The record is read once when the screen loads: the screen shows a snapshot.
//
// Ownership: the screen owns its table. Thread: main thread. Failure: none; a counter
// missing from the record reads 0.
class UserInfoVC : public BaseViewController, public TableViewDataSource
{
    Q_OBJECT
public:
    explicit UserInfoVC(QObject *parent = nullptr);

    TableView *bodyView() const { return m_bodyView; }
    qreal expRowH() const { return m_expRowH; }
    qreal infoRowH() const { return m_infoRowH; }
    const QVariantMap &userInfo() const { return m_userInfo; }

    void viewDidLoad() override;

    int numberOfSectionsInTableView(TableView *tableView) override;
    int numberOfRowsInSection(TableView *tableView, int section) override;
    qreal heightForRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;
    TableViewCell *cellForRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;

private:
    QPointer<TableView> m_bodyView;
    qreal m_expRowH = 90.0;
    qreal m_infoRowH = 50.0;
    QVariantMap m_userInfo;
};
