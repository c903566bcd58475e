#pragma once

#include <QColor>
#include <QList>
#include <QRectF>
#include <QPainterPath>
#include <QWidget>

// The plain view of the phone toolkit: a widget placed by an absolute frame in points,
// painting its layer: a background colour (clear by default), a corner radius, a border,
// and gradient layers inserted beneath everything else it draws.
//
// Children are always clipped to the view's rectangle (QWidget semantics); with a corner
// radius and clipsToBounds the background and border follow the rounded shape.
//
// Thread: main thread. Failure: none.
class View : public QWidget
{
    Q_OBJECT
public:
    explicit View(QWidget *parent = nullptr);
    View(const QRectF &frame, QWidget *parent = nullptr);

    void setFrame(const QRectF &frame);
    QRectF frame() const;
    QRectF bounds() const;

    void setBackgroundColor(const QColor &color);
    QColor backgroundColor() const { return m_backgroundColor; }
    void setCornerRadius(qreal radius);
    qreal cornerRadius() const { return m_cornerRadius; }
    void setBorder(qreal width, const QColor &color);
    qreal borderWidth() const { return m_borderWidth; }
    QColor borderColor() const { return m_borderColor; }
    void setClipsToBounds(bool clips) { m_clipsToBounds = clips; update(); }
    bool clipsToBounds() const { return m_clipsToBounds; }

    struct GradientLayer
    {
        QColor top;
        QColor bottom;
        QRectF frame;
    };
    // Inserts a vertical linear gradient below every layer the view has so far.
    void insertGradientLayer(const GradientLayer &layer);
    const QList<GradientLayer> &gradientLayers() const { return m_gradients; }

    void addSubview(QWidget *child);  // reparents and shows the child on top

protected:
    void paintEvent(QPaintEvent *event) override;
    // The layer in two steps, so subclasses draw their content between them: background
    // colour and gradients, then the border on top.
    void paintBackground(QPainter &painter) const;
    void paintBorder(QPainter &painter) const;
    QPainterPath layerShape() const;

private:
    QColor m_backgroundColor = Qt::transparent;
    qreal m_cornerRadius = 0;
    qreal m_borderWidth = 0;
    QColor m_borderColor = Qt::black;
    bool m_clipsToBounds = false;
    QList<GradientLayer> m_gradients;
};
