#pragma once

#include "View.h"

#include <QTimer>

// The activity indicator (spinner) of the phone toolkit: twelve spokes turning while
// animating, hidden when stopped. The large white style draws 37-point spokes in white.
//
// Thread: main thread (startAnimating from elsewhere must be queued to it). Failure: none.
class ActivityIndicatorView : public View
{
    Q_OBJECT
public:
    enum class Style { WhiteLarge, White, Gray };

    explicit ActivityIndicatorView(Style style = Style::WhiteLarge, QWidget *parent = nullptr);

    void startAnimating();
    void stopAnimating();
    bool isAnimating() const { return m_timer.isActive(); }
    void setHidesWhenStopped(bool hides);
    Style style() const { return m_style; }
    int step() const { return m_step; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Style m_style;
    QTimer m_timer;
    int m_step = 0;
    bool m_hidesWhenStopped = true;
};
