#pragma once

#include "content/CategoryInfo.h"
#include "platform/ui/View.h"

#include <QPointer>

class ImageView;
class Label;
class MainViewController;

// One tile of the main grid: a stack of two white card edges, the category's cover and its
// title in a dark pill. A single tap anywhere on the tile opens the category.
//
// Thread: main thread. Failure: a cover that cannot be read leaves the light grey
// background of the cover area.
class CategoryView : public View
{
    Q_OBJECT
public:
    // Cover height as a share of the tile height.
    static constexpr double heightWidthRate = 20.0 / 27.0;

    explicit CategoryView(QWidget *parent = nullptr);

    // Fills the tile for `category` (the frame must be set first).
    void setup(const CategoryInfoPtr &category);
    // The tap action.
    void openCategory();

    CategoryInfoPtr categoryInfo() const { return m_categoryInfo; }
    QString title() const { return m_title; }
    ImageView *imageView() const { return m_imageView; }
    Label *titleLbl() const { return m_titleLbl; }
    QList<View *> strips() const { return m_strips; }
    void setVcDelegate(MainViewController *controller) { m_vcDelegate = controller; }
    MainViewController *vcDelegate() const { return m_vcDelegate; }

private:
    CategoryInfoPtr m_categoryInfo;
    QString m_title;
    ImageView *m_imageView = nullptr;
    Label *m_titleLbl = nullptr;
    QList<View *> m_strips;
    QPointer<MainViewController> m_vcDelegate;
};
