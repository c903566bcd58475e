#include "UserInfoVC.h"

#include "SettingViewController.h"

#include "app/ScreenMetrics.h"
#include "content/AppCommon.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/Label.h"
#include "platform/ui/TableViewCell.h"

namespace {
struct Contribution
{
    const char *title;
    const char *counter;
};

// One row per counter, in the order shown.
const Contribution kContributions[] = {
    {QT_TRANSLATE_NOOP("UserInfoVC", "Start App"), "kStartCount"},
    {QT_TRANSLATE_NOOP("UserInfoVC", "Listen Word"), "kListenCount"},
    {QT_TRANSLATE_NOOP("UserInfoVC", "Write Word"), "kWriteCount"},
    {QT_TRANSLATE_NOOP("UserInfoVC", "Read Word"), "kReadCount"},
    {QT_TRANSLATE_NOOP("UserInfoVC", "Quiz Times"), "kQuizCount"},
    {QT_TRANSLATE_NOOP("UserInfoVC", "Quiz Score"), "kQuizTotalScore"},
    {QT_TRANSLATE_NOOP("UserInfoVC", "Review App"), "kReviewed"},
};
constexpr int kContributionCount = int(sizeof(kContributions) / sizeof(kContributions[0]));
const QColor kTotalColour(176, 23, 31);

// A title and value row; mirrored for a right-to-left language (title right, value left).
class StatisticsCell : public TableViewCell
{
public:
    explicit StatisticsCell(bool rightToLeft)
        : TableViewCell(Style::Value1, QStringLiteral("Cell")), m_rightToLeft(rightToLeft)
    {
        if (rightToLeft) {
            textLabel()->setTextAlignment(Qt::AlignRight);
            detailTextLabel()->setTextAlignment(Qt::AlignLeft);
        }
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        TableViewCell::resizeEvent(event);
        if (!m_rightToLeft)
            return;
        const QRectF title = textLabel()->frame();
        textLabel()->setFrame(detailTextLabel()->frame());
        detailTextLabel()->setFrame(title);
    }

private:
    bool m_rightToLeft;
};

// The value of a contribution row: the counter's weight in experience points and the counter
// ("10 * 3"), or the counter alone when each unit is one point (0 when missing).
QString contributionText(const Contribution &contribution, const QVariantMap &record)
{
    const QString key = QLatin1String(contribution.counter);
    const QString count = QString::number(record.value(key).toLongLong());
    const int weight = AppCommon::experienceWeight(key);
    return weight == 1 ? count : QStringLiteral("%1 * %2").arg(weight).arg(count);
}
}

UserInfoVC::UserInfoVC(QObject *parent) : BaseViewController(parent) {}

void UserInfoVC::viewDidLoad()
{
    BaseViewController::viewDidLoad();
    toolBar()->setTitle(tr("XP"));
    toolBar()->setLeftBtn();
    m_userInfo = AppCommon::getUserInfo();
    const QRectF bar = toolBar()->frame();
    const qreal top = bar.y() + bar.height();
    m_bodyView = new TableView(QRectF(0, top, view()->bounds().width(), ScreenMetrics::usableHeight() - top),
                               TableView::Style::Grouped, view());
    m_bodyView->setAllowsSelection(false);
    m_bodyView->setDataSource(this);
    m_bodyView->reloadData();
    m_bodyView->show();
}

int UserInfoVC::numberOfSectionsInTableView(TableView *) { return 2; }

int UserInfoVC::numberOfRowsInSection(TableView *, int section) { return section == 0 ? 1 : kContributionCount; }

qreal UserInfoVC::heightForRowAtIndexPath(TableView *, const IndexPath &indexPath)
{
    return indexPath.section == 0 ? m_expRowH : m_infoRowH;
}

TableViewCell *UserInfoVC::cellForRowAtIndexPath(TableView *, const IndexPath &indexPath)
{
    auto *cell = new StatisticsCell(SettingViewController::usesRightToLeft());
    cell->setSelectionStyle(TableViewCell::SelectionStyle::None);
    cell->setAccessoryType(TableViewCell::AccessoryType::None);
    Label *title = cell->textLabel();
    Label *value = cell->detailTextLabel();
    title->setAdjustsFontSizeToFitWidth(true);
    if (indexPath.section == 0) {
        title->setText(tr("XP"));
        title->setFont(Fonts::boldSystemFont(0.5 * m_expRowH));
        value->setText(QString::number(AppCommon::totalExp(m_userInfo)));
        value->setFont(Fonts::boldSystemFont(0.5 * m_expRowH));
        value->setTextColor(kTotalColour);
    } else {
        const Contribution &contribution = kContributions[qBound(0, indexPath.row, kContributionCount - 1)];
        title->setText(tr(contribution.title));
        title->setFont(Fonts::boldSystemFont(0.4 * m_infoRowH));
        value->setText(contributionText(contribution, m_userInfo));
    }
    value->setAdjustsFontSizeToFitWidth(true);
    return cell;
}
