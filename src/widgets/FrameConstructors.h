#pragma once

#include <QImage>
#include <QRectF>
#include <QSizeF>

class ImageView;
class QLineEdit;
class QTextEdit;
class QWidget;
class View;

// Views built from a frame (x, y, width, height in points), and the text field helpers.
//
// Text fields and text views get the font "Helvetica" at 17, a clear background, clipping,
// left alignment and user interaction; a text view is neither editable nor scrollable.
//
// Thread: main thread. Failure: none.
namespace FrameConstructors {
View *viewWithX(qreal x, qreal y, qreal w, qreal h, QWidget *parent = nullptr);
ImageView *imageViewWithX(qreal x, qreal y, qreal w, qreal h, QWidget *parent = nullptr);
QLineEdit *textFieldWithX(qreal x, qreal y, qreal w, qreal h, QWidget *parent = nullptr);
QTextEdit *textViewWithX(qreal x, qreal y, qreal w, qreal h, QWidget *parent = nullptr);

// A blank area of `width` points before the text, always shown.
void setLeftPadding(QLineEdit *field, qreal width);
// A left area of `frame` holding `image` at `imageSize`, 8 points from the area's right edge
// and centred vertically; always shown.
void setLeftIcon(QLineEdit *field, const QRectF &frame, const QImage &image, const QSizeF &imageSize);
}
