#include "BlockGestures.h"

#include "platform/ui/ViewSupport.h"

#include <QWidget>

BlockTap::BlockTap(int numberOfTaps, int numberOfTouches, Action action, QObject *parent)
    : TapGestureRecognizer(parent), tapAction(std::move(action))
{
    setNumberOfTapsRequired(numberOfTaps);
    setNumberOfTouchesRequired(numberOfTouches);
    connect(this, &GestureRecognizer::triggered, this, [this]() { didTap(); });
}

void BlockTap::didTap()
{
    if (tapAction)
        tapAction(this);
}

BlockPan::BlockPan(Action action, QObject *parent) : PanGestureRecognizer(parent), panAction(std::move(action))
{
    connect(this, &GestureRecognizer::triggered, this, [this]() { didPan(); });
}

void BlockPan::didPan()
{
    if (panAction)
        panAction(this);
}

BlockPinch::BlockPinch(Action action, QObject *parent) : PinchGestureRecognizer(parent), pinchAction(std::move(action))
{
    connect(this, &GestureRecognizer::triggered, this, [this]() { didPinch(); });
}

void BlockPinch::didPinch()
{
    if (pinchAction)
        pinchAction(this);
}

BlockSwipe::BlockSwipe(Directions direction, int numberOfTouches, Action action, QObject *parent)
    : SwipeGestureRecognizer(parent), swipeAction(std::move(action))
{
    setDirection(direction);
    setNumberOfTouchesRequired(numberOfTouches);
    connect(this, &GestureRecognizer::triggered, this, [this]() { didSwipe(); });
}

void BlockSwipe::didSwipe()
{
    if (swipeAction)
        swipeAction(this);
}

BlockLongPress::BlockLongPress(Action action, QObject *parent)
    : LongPressGestureRecognizer(parent), longPressAction(std::move(action))
{
    connect(this, &GestureRecognizer::triggered, this, [this]() { didLongPressed(); });
}

void BlockLongPress::didLongPressed()
{
    if (longPressAction)
        longPressAction(this);
}

namespace {
template<typename Recognizer>
Recognizer *attach(QWidget *view, Recognizer *recognizer)
{
    recognizer->attachTo(view);
    ViewSupport::setUserInteractionEnabled(view, true);
    return recognizer;
}
}

namespace BlockGestures {
BlockTap *addTapGesture(QWidget *view, int numberOfTaps, BlockTap::Action action)
{
    return attach(view, new BlockTap(numberOfTaps, 1, std::move(action)));
}

BlockSwipe *addSwipeGesture(QWidget *view, SwipeGestureRecognizer::Directions direction, int numberOfTouches,
                            BlockSwipe::Action action)
{
    return attach(view, new BlockSwipe(direction, numberOfTouches, std::move(action)));
}

BlockPan *addPanGesture(QWidget *view, BlockPan::Action action)
{
    return attach(view, new BlockPan(std::move(action)));
}

BlockPinch *addPinchGesture(QWidget *view, BlockPinch::Action action)
{
    return attach(view, new BlockPinch(std::move(action)));
}

BlockLongPress *addLongPressGesture(QWidget *view, BlockLongPress::Action action)
{
    return attach(view, new BlockLongPress(std::move(action)));
}
}
