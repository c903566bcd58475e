#include "ZQPopView.h"

#include "platform/ui/AssetImages.h"
#include "platform/ui/Button.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/KeyCommands.h"
#include "platform/ui/Label.h"
#include "platform/ui/ViewSupport.h"
#include "ZQImageUtil.h"

ZQPopView::ZQPopView(QWidget *parent) : View(parent) {}

ZQPopView::ZQPopView(const QRectF &frame, QWidget *parent) : View(frame, parent) {}

void ZQPopView::showMask()
{
    QWidget *parent = parentWidget();
    if (!parent)
        return;
    delete m_maskV.data();
    auto *mask = new View(ViewSupport::frame(parent), parent);
    mask->setBackgroundColor(QColor::fromRgbF(0.8f, 0.8f, 0.8f, 0.7f));
    mask->show();
    m_maskV = mask;
    raise();
    // Shown over its mask, the panel takes the keyboard: Escape closes it, and keys meant
    // for the screen below do nothing.
    if (!m_keysRegistered) {
        m_keysRegistered = true;
        KeyCommands::add(this, QKeyCombination(Qt::Key_Escape), [this] { closeAction(m_closeButton); },
                         KeyCommands::Scope::Modal);
    }
}

void ZQPopView::drawHead(const QString &title)
{
    const qreal width = bounds().width();
    auto *head = new View(QRectF(0, 0, width, m_headH), this);
    head->setBackgroundColor(QColor(39, 64, 139));
    m_titleLabel = new Label(QRectF(30, 0, width - 60, m_headH), head);
    m_titleLabel->setTextAlignment(Qt::AlignHCenter);
    m_titleLabel->setFont(Fonts::systemFont(20));
    m_titleLabel->setTextColor(Qt::white);
    m_titleLabel->setAdjustsFontSizeToFitWidth(true);
    m_titleLabel->setText(title);
    m_closeButton = new Button(QRectF(width - m_headH - 2, 0, m_headH, m_headH), head);
    m_closeButton->setImage(ZQImageUtil::adjustImage(AssetImages::image(QStringLiteral("btn_close"))));
    m_closeButton->setAccessibilityLabel(tr("Close"));
    connect(m_closeButton, &Button::touchUpInside, this, [this](Button *button) { closeAction(button); });
    head->show();
}

void ZQPopView::closeAction(QObject *)
{
    if (View *mask = m_maskV) {
        mask->hide();
        mask->setParent(nullptr);
        mask->deleteLater();
    }
    m_maskV = nullptr;
    hide();
    emit closed();
    setParent(nullptr);
    deleteLater();
}
