#pragma once

#include "platform/ui/Button.h"

#include <QImage>

#include <functional>
#include <optional>

// A button that carries its action as a closure. Every constructor wires it: touch up
// inside calls didPressed; touch down and drag enter highlight it; drag exit, touch up
// inside or outside and cancel remove the highlight. Title black, blue while highlighted.
//
// The highlight (only when an action is set) lays a black layer at opacity 0.5 over the
// button, masked by a picture of the button itself, so only its visible pixels darken.
//
// Thread: main thread. Failure: none; without an action presses do nothing.
class BlockButton : public Button
{
    Q_OBJECT
public:
    using Action = std::function<void(BlockButton *)>;

    explicit BlockButton(QWidget *parent = nullptr);
    BlockButton(qreal x, qreal y, qreal w, qreal h, QWidget *parent = nullptr);
    BlockButton(qreal x, qreal y, qreal w, qreal h, Action action, QWidget *parent = nullptr);
    BlockButton(const QRectF &frame, QWidget *parent = nullptr);
    BlockButton(const QRectF &frame, Action action, QWidget *parent = nullptr);

    void setAction(Action action) { m_action = std::move(action); }
    bool hasAction() const { return bool(m_action); }
    // The darkening overlay while pressed (absent otherwise).
    const std::optional<QImage> &highlightLayer() const { return m_highlightLayer; }

    void didPressed();
    void highlight();
    void unhighlight();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void wire();

    Action m_action;
    std::optional<QImage> m_highlightLayer;
    bool m_renderingMask = false;
};
