#pragma once

#include "platform/ui/GestureRecognizers.h"

#include <functional>

class QWidget;

// Gesture recognisers that carry their action as a closure. Each registers itself as its
// own target: its handler (didTap, didPan, didPinch, didSwipe, didLongPressed) calls the
// closure with the recogniser whenever the recogniser reports, when a closure is set.
//
// The helpers create one, attach it to the view and enable user interaction on the view;
// the view owns the recogniser.
//
// Thread: main thread. Failure: none.
class BlockTap : public TapGestureRecognizer
{
    Q_OBJECT
public:
    using Action = std::function<void(BlockTap *)>;
    BlockTap(int numberOfTaps, int numberOfTouches, Action action, QObject *parent = nullptr);
    Action tapAction;
    void didTap();
};

class BlockPan : public PanGestureRecognizer
{
    Q_OBJECT
public:
    using Action = std::function<void(BlockPan *)>;
    explicit BlockPan(Action action, QObject *parent = nullptr);
    Action panAction;
    void didPan();
};

class BlockPinch : public PinchGestureRecognizer
{
    Q_OBJECT
public:
    using Action = std::function<void(BlockPinch *)>;
    explicit BlockPinch(Action action, QObject *parent = nullptr);
    Action pinchAction;
    void didPinch();
};

class BlockSwipe : public SwipeGestureRecognizer
{
    Q_OBJECT
public:
    using Action = std::function<void(BlockSwipe *)>;
    BlockSwipe(Directions direction, int numberOfTouches, Action action, QObject *parent = nullptr);
    Action swipeAction;
    void didSwipe();
};

class BlockLongPress : public LongPressGestureRecognizer
{
    Q_OBJECT
public:
    using Action = std::function<void(BlockLongPress *)>;
    explicit BlockLongPress(Action action, QObject *parent = nullptr);
    Action longPressAction;
    void didLongPressed();
};

namespace BlockGestures {
BlockTap *addTapGesture(QWidget *view, int numberOfTaps, BlockTap::Action action);
BlockSwipe *addSwipeGesture(QWidget *view, SwipeGestureRecognizer::Directions direction, int numberOfTouches,
                            BlockSwipe::Action action);
BlockPan *addPanGesture(QWidget *view, BlockPan::Action action);
BlockPinch *addPinchGesture(QWidget *view, BlockPinch::Action action);
BlockLongPress *addLongPressGesture(QWidget *view, BlockLongPress::Action action);
}
