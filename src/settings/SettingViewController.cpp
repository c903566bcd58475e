#include "SettingViewController.h"

#include "TestDurPickerView.h"
#include "UserInfoVC.h"

#include "app/RatingPrompt.h"
#include "app/ScreenMetrics.h"
#include "app/StoreLinks.h"
#include "content/AppCommon.h"
#include "content/ZQFileUtil.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/AssetImages.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/Label.h"
#include "platform/ui/PlatformColors.h"
#include "platform/ui/SharePanel.h"
#include "platform/ui/Slider.h"
#include "platform/ui/SystemUi.h"
#include "platform/ui/TableViewCell.h"
#include "platform/ui/UrlOpener.h"
#include "platform/ui/ViewSupport.h"
#include "platform/ui/Window.h"
#include "widgets/RelativeSize.h"
#include "widgets/Tools.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

namespace {
struct Row
{
    int tag;
    const char *title;
};

// The rows of each section, top to bottom.
QList<Row> rowsOf(int section)
{
    using C = SettingViewController;
    switch (section) {
    case 0:
        return {{C::kExperienceTag, QT_TRANSLATE_NOOP("SettingViewController", "XP")}};
    case 1:
        return {{C::kPlaySpeedTag, QT_TRANSLATE_NOOP("SettingViewController", "Play Speed")},
                {C::kTestDurationTag, QT_TRANSLATE_NOOP("SettingViewController", "Test Duration")},
                {C::kClearCacheTag, QT_TRANSLATE_NOOP("SettingViewController", "Clear Cache")},
                {C::kWordFeedbackTag, QT_TRANSLATE_NOOP("SettingViewController", "Word Feedback")}};
    case 2:
        return {{C::kFeedbackTag, QT_TRANSLATE_NOOP("SettingViewController", "Feedback")},
                {C::kMoreAppTag, QT_TRANSLATE_NOOP("SettingViewController", "More App")},
                {C::kReviewAppTag, QT_TRANSLATE_NOOP("SettingViewController", "Review App")},
                {C::kShareAppTag, QT_TRANSLATE_NOOP("SettingViewController", "Share App")}};
    default:
        return {};
    }
}

constexpr qreal kSpeedLabelWidth = 30;
constexpr qreal kSliderWidth = 125;
constexpr qreal kValueLabelWidth = 150;
constexpr qreal kValueFontSize = 16;
constexpr qreal kTabletViewWidth = 700;
const QColor kArrowColour(199, 199, 204);

// A settings row: its title over the whole row, or over one half when the row holds a
// control. For a right-to-left language the row is mirrored: the title sits at the right and
// the disclosure arrow at the left, pointing left.
class SettingCell : public TableViewCell
{
public:
    SettingCell(bool rightToLeft, bool halfWidthTitle)
        : TableViewCell(Style::Default, QStringLiteral("Cell")), m_rightToLeft(rightToLeft), m_half(halfWidthTitle)
    {
        textLabel()->setTextAlignment(rightToLeft ? Qt::AlignRight : Qt::AlignLeft);
    }

    void setDisclosure(bool shown)
    {
        m_mirroredArrow = shown && m_rightToLeft;
        setAccessoryType(shown && !m_rightToLeft ? AccessoryType::DisclosureIndicator : AccessoryType::None);
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        TableViewCell::resizeEvent(event);
        if (!m_half)
            return;
        const QRectF full = textLabel()->frame();
        const qreal half = bounds().width() / 2 - kTextInset;
        textLabel()->setFrame(m_rightToLeft ? QRectF(full.right() - half, full.y(), half, full.height())
                                            : QRectF(full.x(), full.y(), half, full.height()));
    }

    void paintEvent(QPaintEvent *event) override
    {
        TableViewCell::paintEvent(event);
        if (!m_mirroredArrow)
            return;
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QPointF tip(kTextInset, bounds().center().y());
        QPainterPath chevron;
        chevron.moveTo(tip + QPointF(6, -6.5));
        chevron.lineTo(tip);
        chevron.lineTo(tip + QPointF(6, 6.5));
        painter.setPen(QPen(kArrowColour, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(chevron);
    }

private:
    bool m_rightToLeft;
    bool m_half;
    bool m_mirroredArrow = false;
};

QString speedText(double speed) { return QString::asprintf("%0.1fx", speed > 0 ? speed : 1.0); }
}

SettingViewController::SettingViewController(QObject *parent) : BaseViewController(parent)
{
    m_isArLang = usesRightToLeft();
}

bool SettingViewController::usesRightToLeft() { return AppCommon::currentLanguage() == QLatin1String("ar"); }

void SettingViewController::viewDidLoad()
{
    BaseViewController::viewDidLoad();
    if (view()->bounds().width() > kTabletViewWidth)
        m_rowHeight = 65.0;
    toolBar()->setTitle(QString());
    toolBar()->setLeftBtn();
    refreshSettings();
}

void SettingViewController::viewDidAppear(bool animated)
{
    BaseViewController::viewDidAppear(animated);
    refreshSizeLabel();
}

void SettingViewController::refreshSettings()
{
    toolBar()->titleLabel()->setText(tr("Settings"));
    if (m_bodyView) {
        m_bodyView->hide();
        m_bodyView->deleteLater();  // a tap on one of its rows may be what rebuilds it
    }
    buildBody();
}

void SettingViewController::buildBody()
{
    const QRectF bar = toolBar()->frame();
    const qreal top = bar.y() + bar.height();
    const qreal width = view()->bounds().width();
    m_bodyView = new TableView(QRectF(0, top, width, ScreenMetrics::usableHeight() - top), TableView::Style::Grouped,
                               view());
    m_bodyView->setRowHeight(m_rowHeight);
    m_bodyView->setDataSource(this);
    m_bodyView->setDelegate(this);
    m_bodyView->reloadData();
    m_bodyView->show();
    // Pop-ups opened from the table stay in front of the new one.
    if (m_picker) {
        if (View *mask = m_picker->maskV())
            mask->raise();
        m_picker->raise();
    }
}

TableViewCell *SettingViewController::cellWithTag(int tag) const
{
    if (!m_bodyView)
        return nullptr;
    for (int section = 0; section < m_bodyView->numberOfSections(); ++section) {
        for (int row = 0; row < m_bodyView->numberOfRowsInSection(section); ++row) {
            TableViewCell *cell = m_bodyView->cellForRowAtIndexPath({section, row});
            if (cell && ViewSupport::tag(cell) == tag)
                return cell;
        }
    }
    return nullptr;
}

int SettingViewController::numberOfSectionsInTableView(TableView *) { return m_sectionNum; }

int SettingViewController::numberOfRowsInSection(TableView *, int section) { return int(rowsOf(section).size()); }

qreal SettingViewController::heightForRowAtIndexPath(TableView *, const IndexPath &) { return m_rowHeight; }

Label *SettingViewController::addValueLabel(TableViewCell *cell, qreal x, qreal width, const QString &text)
{
    auto *label = new Label(QRectF(x, 0, width, m_rowHeight), cell);
    label->setBackgroundColor(Qt::transparent);
    label->setTextAlignment(Qt::AlignRight);
    label->setTextColor(PlatformColors::lightGray());
    label->setFont(Fonts::systemFont(kValueFontSize));
    label->setText(text);
    label->show();
    return label;
}

void SettingViewController::buildSpeedRow(TableViewCell *cell)
{
    const qreal width = view()->bounds().width();
    const qreal margin = width / 16;
    const qreal x = m_isArLang ? 20 : width - kSliderWidth - margin - kSpeedLabelWidth;
    const double speed = AppCommon::playSpeed();
    m_speedLbl = addValueLabel(cell, x, kSpeedLabelWidth, speedText(speed));
    m_speedLbl->setAdjustsFontSizeToFitWidth(true);
    m_speedSlider = new Slider(QRectF(x + kSpeedLabelWidth + 5, 0, kSliderWidth, m_rowHeight), cell);
    m_speedSlider->setMinimumValue(0.2f);
    m_speedSlider->setMaximumValue(2.0f);
    m_speedSlider->setValue(float(speed));
    m_speedSlider->setContinuous(true);
    connect(m_speedSlider, &Slider::valueChanged, this, &SettingViewController::setPlaySpeed);
    m_speedSlider->show();
    cell->setSelectionStyle(TableViewCell::SelectionStyle::None);
}

// The switch sits where the speed row's slider ends: at the right, or at the left in a
// right-to-left language.
void SettingViewController::buildWordFeedbackRow(TableViewCell *cell)
{
    const qreal width = view()->bounds().width();
    const qreal margin = width / 16;
    const qreal x = m_isArLang ? 20 : width - margin - Switch::kWidth;
    m_wordFeedbackSwitch =
        new Switch(QRectF(x, (m_rowHeight - Switch::kHeight) / 2, Switch::kWidth, Switch::kHeight), cell);
    m_wordFeedbackSwitch->setOn(AppCommon::wordFeedback());
    m_wordFeedbackSwitch->setAccessibleName(tr("Word Feedback"));
    m_wordFeedbackSwitch->setToolTip(tr("Word Feedback"));
    connect(m_wordFeedbackSwitch, &Switch::valueChanged, this, &SettingViewController::setWordFeedback);
    m_wordFeedbackSwitch->show();
    cell->setSelectionStyle(TableViewCell::SelectionStyle::None);
}

TableViewCell *SettingViewController::cellForRowAtIndexPath(TableView *, const IndexPath &indexPath)
{
    const Row row = rowsOf(indexPath.section).value(indexPath.row, Row{0, ""});
    const bool hasControl = row.tag == kPlaySpeedTag || row.tag == kWordFeedbackTag;
    auto *cell = new SettingCell(m_isArLang, hasControl);
    ViewSupport::setTag(cell, row.tag);
    cell->setSelectionStyle(TableViewCell::SelectionStyle::Default);
    cell->setDisclosure(!hasControl);
    Label *title = cell->textLabel();
    title->setText(tr(row.title));
    title->setTextColor(PlatformColors::darkGray());
    title->setAdjustsFontSizeToFitWidth(true);

    const qreal width = view()->bounds().width();
    const qreal margin = width / 16;
    const qreal valueX = m_isArLang ? 0 : width - kValueLabelWidth - margin - 20;
    switch (row.tag) {
    case kExperienceTag:
        addValueLabel(cell, valueX, kValueLabelWidth, QString::number(AppCommon::getTotalExp()));
        break;
    case kPlaySpeedTag:
        buildSpeedRow(cell);
        break;
    case kTestDurationTag:
        m_testDurLbl = addValueLabel(cell, valueX, kValueLabelWidth, AppCommon::formatDuration(AppCommon::testDuration()));
        break;
    case kClearCacheTag:
        m_sizeLbl = addValueLabel(cell, valueX, kValueLabelWidth, QString());
        refreshSizeLabel();
        break;
    case kWordFeedbackTag:
        buildWordFeedbackRow(cell);
        break;
    default:
        break;
    }
    return cell;
}

void SettingViewController::didSelectRowAtIndexPath(TableView *tableView, const IndexPath &indexPath)
{
    TableViewCell *cell = tableView->cellForRowAtIndexPath(indexPath);
    if (!cell)
        return;
    tableView->deselectRowAtIndexPath(indexPath);
    selectCellWithTag(ViewSupport::tag(cell));
}

void SettingViewController::selectCellWithTag(int tag)
{
    switch (tag) {
    case kExperienceTag:
        showUserInfo(cellWithTag(tag));
        break;
    case kTestDurationTag:
        showTestDurPicker();
        break;
    case kClearCacheTag:
        confirmClearCache();
        break;
    case kWordFeedbackTag:
        if (m_wordFeedbackSwitch)
            m_wordFeedbackSwitch->toggle();  // as a tap on the switch: stored through setWordFeedback
        break;
    case kFeedbackTag:
        sendFeedback();
        break;
    case kMoreAppTag:
        openMoreApps();
        break;
    case kReviewAppTag:
        reviewApp();
        break;
    case kShareAppTag:
        shareApp();
        break;
    default:
        break;  // the speed row has its slider
    }
}

void SettingViewController::setPlaySpeed(Slider *slider)
{
    // The slider's value rounded to one decimal, as it is shown.
    bool ok = false;
    double speed = QString::asprintf("%0.1f", slider->value()).toDouble(&ok);
    if (!ok)
        speed = 1.0;
    AppCommon::setPlaySpeed(speed);
    if (m_speedLbl)
        m_speedLbl->setText(speedText(speed));
}

void SettingViewController::setWordFeedback(Switch *sender)
{
    if (sender)
        AppCommon::setWordFeedback(sender->isOn());
}

void SettingViewController::refreshSizeLabel()
{
    if (!m_sizeLbl)
        return;
    const float megabytes = ZQFileUtil::getFolderSizeAtPath(AppCommon::recordFolderPath());
    m_sizeLbl->setText(QString::asprintf("%0.2f MB", double(megabytes)));
}

void SettingViewController::showTestDurPicker()
{
    if (m_picker)
        return;
    View *root = view();
    const qreal height = 256;
    auto *picker = new TestDurPickerView(QRectF(0, ScreenMetrics::usableHeight() - height, root->bounds().width(), height),
                                         root);
    picker->setBackgroundColor(QColor(211, 211, 211));
    picker->show();
    picker->setPickerH(216);
    picker->initTestDurVals();
    picker->initHeadView();
    picker->initPickerView();
    picker->initMaskView();
    picker->setSettingVC(this);
    picker->selectTestDur(float(AppCommon::testDuration()));
    m_picker = picker;
}

void SettingViewController::confirmClearCache()
{
    AlertView *alert = AlertView::alert(QString(), tr("Are you sure?"), tr("Cancel"), {tr("OK")});
    alert->setTag(kClearCacheAlertTag);
    connect(alert, &AlertView::clicked, this, [this, alert](int index) { alertViewClickedButtonAtIndex(alert, index); });
    if (alert->show())
        m_clearAlert = alert;
}

void SettingViewController::alertViewClickedButtonAtIndex(AlertView *alert, int index)
{
    if (!alert || alert->tag() != kClearCacheAlertTag || index < 1)
        return;
    ZQFileUtil::removeFileInFolder(AppCommon::recordFolderPath());
    refreshSizeLabel();
}

QString SettingViewController::feedbackBody(const QString &country)
{
    const QString link = StoreLinks::appPage(country).toString();
    QString html = QStringLiteral("<br/><br/><br/><br/><br/><hr/>");
    html += QStringLiteral("<span>V") + QCoreApplication::applicationVersion() + QLatin1Char('/')
        + Tools::getDevicePlatform() + QLatin1Char('/') + SystemUi::systemName() + QLatin1Char(' ')
        + SystemUi::systemVersion() + QStringLiteral("</span>");
    html += QStringLiteral("<br/><a href=\"") + link + QStringLiteral("\" > ") + link + QStringLiteral(" </a>");
    return html;
}

void SettingViewController::sendFeedback()
{
    if (!MailComposer::canSendMail() || m_composer)
        return;
    auto *composer = new MailComposer;
    composer->setSubject(tr("Some advices on the APP"));
    composer->setToRecipients({StoreLinks::supportAddress()});
    composer->setMessageBody(feedbackBody(StoreLinks::countryCode()), true);
    connect(composer, &MailComposer::finished, this,
            [this, composer](MailComposer::Result result) { mailComposeControllerDidFinish(composer, result); });
    if (composer->present())
        m_composer = composer;
}

void SettingViewController::mailComposeControllerDidFinish(MailComposer *composer, MailComposer::Result result)
{
    if (composer)
        composer->dismiss();
    QString message;
    if (result == MailComposer::Result::Sent)
        message = tr("Sent successfully");
    else if (result == MailComposer::Result::Failed)
        message = tr("Failed to send");
    if (!message.isEmpty())
        AlertView::alert(QString(), message, tr("OK"))->show();
}

void SettingViewController::openMoreApps() { UrlOpener::openOrAlert(StoreLinks::moreAppsPage()); }

void SettingViewController::reviewApp()
{
    UrlOpener::openOrAlert(StoreLinks::reviewPage());
    RatingPrompt::instance().setRatedThisVersion();
    if (AppCommon::getUserInfoCount(QStringLiteral("kReviewed")) == 0)
        AppCommon::increaseUserInfoCount(QStringLiteral("kReviewed"));
}

QString SettingViewController::shareMessage()
{
    const QString message = tr("shareMsg");
    if (message != QLatin1String("shareMsg") && !message.isEmpty())
        return message;
    return QGuiApplication::applicationDisplayName();
}

void SettingViewController::shareApp()
{
    if (m_sharePanel)
        return;
    auto *panel = new SharePanel(shareMessage(), StoreLinks::appPage(), AssetImages::image(QStringLiteral("IconShare")));
    const bool shown = RelativeSize::isTablet()
        ? panel->showAsPopover(ViewSupport::centerInWindow(view()))
        : panel->show();
    if (shown)
        m_sharePanel = panel;
}

void SettingViewController::showUserInfo(TableViewCell *cell)
{
    const QPointF point = cell ? ViewSupport::centerInWindow(cell) : ViewSupport::centerInWindow(view());
    pushFromPoint(std::make_unique<UserInfoVC>(), point);
}
