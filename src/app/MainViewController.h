#pragma once

#include "BaseViewController.h"

#include <QList>
#include <QPointF>
#include <QPointer>

#include <optional>

class ActivityIndicatorView;
class Button;
class CategoryView;
class ScrollView;

// The root screen: a scrolling two-column grid of category tiles, the settings button on
// the left of the tool bar and the quiz button on the right. A tile opens its category,
// growing the category screen from the tile's centre; the buttons open the settings screen
// and the quiz chooser for the whole catalogue when those screens are registered
// (ScreenFactory) and do nothing otherwise.
//
// Thread: main thread (opening a category starts a short-lived thread that hands the
// spinner start back to the main thread, where startLoading runs).
// Failure: none; an empty catalogue gives an empty grid.
class MainViewController : public BaseViewController
{
    Q_OBJECT
public:
    explicit MainViewController(QObject *parent = nullptr);

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

    void openSettings(QObject *sender);
    void openQuizz(QObject *sender);
    void openCategory(CategoryView *tile);

    qreal cellWidth() const { return m_cellWidth; }
    qreal cellHeight() const { return m_cellHeight; }
    ScrollView *bodyView() const { return m_bodyView; }
    Button *quizBtn() const { return m_quizBtn; }
    QList<CategoryView *> categoryViews() const { return m_tiles; }

private:
    void buildToolBar();
    void buildGrid();
    static QPointF buttonBarCenter(QObject *sender);

    qreal m_cellWidth = 0;
    qreal m_cellHeight = 0;
    ScrollView *m_bodyView = nullptr;
    Button *m_quizBtn = nullptr;
    QList<CategoryView *> m_tiles;
};
