#include "CategoryView.h"

#include "content/AppCommon.h"
#include "widgets/BlockGestures.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/PlatformColors.h"
#include "MainViewController.h"
#include "platform/ui/ViewSupport.h"

#include <QCoreApplication>

#include <cmath>

CategoryView::CategoryView(QWidget *parent) : View(parent) {}

void CategoryView::setup(const CategoryInfoPtr &category)
{
    m_categoryInfo = category;
    m_title = category ? category->categoryDisplayName() : QString();
    setBackgroundColor(Qt::transparent);

    const QRectF tile = bounds();
    const qreal u = tile.width() / 80.0;
    const qreal s = std::ceil(u / 2.0);
    // Two white edges behind the cover: a stack of cards.
    const qreal widths[] = {tile.width() * 0.9, tile.width() * 0.95};
    const qreal tops[] = {0, 2 * s};
    for (int i = 0; i < 2; ++i) {
        auto *strip = new View(QRectF((tile.width() - widths[i]) / 2, tops[i], widths[i], s), this);
        strip->setBackgroundColor(Qt::white);
        m_strips << strip;
    }

    const qreal coverHeight = tile.height() * heightWidthRate;
    m_imageView = new ImageView(QRectF(0, 4 * s, tile.width(), coverHeight), this);
    m_imageView->setBackgroundColor(QColor(170, 170, 170));
    m_imageView->setBorder(u, Qt::white);
    m_imageView->setClipsToBounds(true);
    ViewSupport::setShadow(m_imageView, PlatformColors::darkGray(), QPointF(2, 2), 2, 1);
    if (category)
        m_imageView->loadImage(AppCommon::getCoverPath(*category));

    BlockGestures::addTapGesture(this, 1, [this](BlockTap *) { openCategory(); });

    QRectF pill(0, coverHeight, tile.width(), tile.height() - coverHeight);
    const qreal reduced = pill.height() * 0.6;
    pill = QRectF(pill.x(), pill.center().y() - reduced / 2, pill.width(), reduced);
    m_titleLbl = new Label(pill, this);
    m_titleLbl->setText(QCoreApplication::translate("Localizable", m_title.toUtf8().constData()));
    m_titleLbl->setTextColor(Qt::white);
    m_titleLbl->setTextAlignment(Qt::AlignHCenter);
    m_titleLbl->setNumberOfLines(0);
    m_titleLbl->setAdjustsFontSizeToFitWidth(true);
    m_titleLbl->setBackgroundColor(QColor(37, 46, 47));
    m_titleLbl->setFont(Fonts::font(QStringLiteral("MarkerFelt-Thin"), reduced * 0.6));
    m_titleLbl->setCornerRadius(12);
    m_titleLbl->setClipsToBounds(true);
}

void CategoryView::openCategory()
{
    if (m_vcDelegate)
        m_vcDelegate->openCategory(this);
}
