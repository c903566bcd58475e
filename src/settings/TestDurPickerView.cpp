#include "TestDurPickerView.h"

#include "SettingViewController.h"

#include "content/AppCommon.h"
#include "platform/foundation/Preferences.h"
#include "platform/ui/Button.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/Label.h"
#include "widgets/GradientBackground.h"

#include <cmath>

namespace {
const QColor kHeadTitleColour(185, 185, 185);
}

TestDurPickerView::TestDurPickerView(const QRectF &frame, QWidget *parent) : View(frame, parent) {}

void TestDurPickerView::initTestDurVals()
{
    m_testDurVals.clear();
    for (int i = 2; i <= 60; ++i)
        m_testDurVals << float(5 * i);
}

void TestDurPickerView::initHeadView()
{
    const qreal width = bounds().width();
    m_titleLabel = new Label(QRectF(0, 0, width, m_headH), this);
    m_titleLabel->setBackgroundColor(GradientBackground::barBlue());
    m_titleLabel->setTextAlignment(Qt::AlignHCenter);
    m_titleLabel->setFont(Fonts::systemFont(0.4 * m_headH));
    m_titleLabel->setTextColor(kHeadTitleColour);
    m_titleLabel->setText(tr("Test Duration"));
    m_titleLabel->show();

    const auto makeButton = [this](const QRectF &frame, const QString &title, Qt::Alignment alignment) {
        auto *button = new Button(frame, this);
        button->setTitle(title);
        button->setContentHorizontalAlignment(alignment);
        button->setTitleColor(Qt::white);
        button->setTitleFont(Fonts::systemFont(0.4 * frame.height()));
        button->show();
        return button;
    };
    m_cancelButton = makeButton(QRectF(10, 0, 70, m_headH), tr("Cancel"), Qt::AlignLeft);
    m_okButton = makeButton(QRectF(width - 70 - 10, 0, 70, m_headH), tr("OK"), Qt::AlignRight);
    connect(m_cancelButton, &Button::touchUpInside, this, [this](Button *button) { closeAction(button); });
    connect(m_okButton, &Button::touchUpInside, this, [this](Button *button) { okAction(button); });
}

void TestDurPickerView::initPickerView()
{
    m_picker = new PickerView(QRectF(0, m_headH, bounds().width(), m_pickerH), this);
    m_picker->setDelegate(this);
    m_picker->setShowsSelectionIndicator(true);
    m_picker->show();
    GradientBackground::setGradientBackground(this, GradientBackground::barBlue(), GradientBackground::bandGreen(),
                                              bounds());
}

void TestDurPickerView::initMaskView()
{
    QWidget *parent = parentWidget();
    if (!parent)
        return;
    auto *mask = new View(QRectF(QPointF(0, 0), QSizeF(parent->size())), parent);
    mask->setBackgroundColor(QColor::fromRgbF(0.8f, 0.8f, 0.8f, 0.6f));
    mask->show();
    m_maskV = mask;
    raise();
}

void TestDurPickerView::selectTestDur(float seconds)
{
    // The nearest duration of the wheel (the shorter one of two as near), so that OK without
    // turning the wheel keeps a stored limit that is not on it as close as the wheel allows
    // rather than dropping it to the first row.
    int nearest = 0;
    for (int row = 1; row < m_testDurVals.size(); ++row) {
        if (std::abs(m_testDurVals.at(row) - seconds) < std::abs(m_testDurVals.at(nearest) - seconds))
            nearest = row;
    }
    if (m_picker)
        m_picker->selectRow(nearest, 0, false);
}

void TestDurPickerView::okAction(QObject *)
{
    if (m_closed)
        return;
    const int row = m_picker ? m_picker->selectedRowInComponent(0) : -1;
    if (row >= 0 && row < m_testDurVals.size()) {
        const double chosen = m_testDurVals.at(row);
        const double stored = Preferences::value(QString::fromLatin1(AppCommon::kTestDurationKey)).toDouble();
        // 60 seconds is what an unset limit means already: nothing to store then.
        if ((stored <= 0 && chosen != 60) || (stored > 0 && chosen != stored))
            AppCommon::setTestDuration(chosen);
    }
    dismiss();
}

void TestDurPickerView::closeAction(QObject *)
{
    if (!m_closed)
        dismiss();
}

void TestDurPickerView::dismiss()
{
    m_closed = true;
    if (m_settingVC)
        m_settingVC->refreshSettings();
    if (View *mask = m_maskV) {
        mask->hide();
        mask->deleteLater();
    }
    hide();
    deleteLater();
}

int TestDurPickerView::numberOfRowsInComponent(PickerView *, int) { return int(m_testDurVals.size()); }

QWidget *TestDurPickerView::viewForRow(PickerView *, int row, int, QWidget *reusing)
{
    auto *label = qobject_cast<Label *>(reusing);
    if (!label)
        label = new Label(QRectF(0, 0, m_componentW, m_itemRowH));
    label->setTextAlignment(Qt::AlignHCenter);
    label->setTextColor(Qt::black);
    label->setFont(Fonts::systemFont(0.6 * m_itemRowH));
    label->setAdjustsFontSizeToFitWidth(true);
    label->setText(AppCommon::formatDuration(m_testDurVals.value(row)));
    return label;
}

qreal TestDurPickerView::rowHeightForComponent(PickerView *, int) { return m_itemRowH; }

qreal TestDurPickerView::widthForComponent(PickerView *, int) { return m_componentW; }
