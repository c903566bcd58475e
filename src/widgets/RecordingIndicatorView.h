#pragma once

#include "platform/ui/View.h"

#include <QString>

// What the learner sees while holding a record button: a red dot, a level meter and the
// time recorded so far; or, in its place, a short hint ("Tap and hold to speak.").
//
// The level is the recorder's linear peak (0 to 1), shown on a decibel scale from -50 dB
// (empty) to 0 dB (full) so that speech at a normal distance fills about half the bar.
//
// Thread: main thread. Failure: none; levels outside 0 to 1 are held within it.
class RecordingIndicatorView : public View
{
    Q_OBJECT
public:
    enum class Mode { Recording, Hint };

    explicit RecordingIndicatorView(const QRectF &frame, QWidget *parent = nullptr);

    // Shows the meter, empty, at 0:00.
    void showRecording();
    void setLevel(float linearPeak);
    void setElapsed(double seconds);
    // Shows `text` instead of the meter.
    void showHint(const QString &text);

    Mode mode() const { return m_mode; }
    float level() const { return m_level; }
    // The share of the meter that is lit (0 to 1).
    qreal meterFill() const;
    QString elapsedText() const;
    QString hintText() const { return m_hint; }

    // m:ss of whole seconds.
    static QString formatElapsed(double seconds);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintMeter(QPainter &painter) const;

    Mode m_mode = Mode::Recording;
    float m_level = 0.0f;
    double m_elapsed = 0.0;
    QString m_hint;
};
