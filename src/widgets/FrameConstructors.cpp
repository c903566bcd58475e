#include "FrameConstructors.h"

#include "platform/ui/Fonts.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewSupport.h"

#include <QLineEdit>
#include <QTextEdit>

namespace {
const char *kTransparent = "background: transparent; border: none;";

template<typename Field>
void styleText(Field *field)
{
    field->setFont(Fonts::font(QStringLiteral("Helvetica"), 17));
    field->setStyleSheet(QString::fromLatin1(kTransparent));
    field->setAlignment(Qt::AlignLeft | (std::is_same_v<Field, QLineEdit> ? Qt::AlignVCenter : Qt::AlignTop));
    ViewSupport::setUserInteractionEnabled(field, true);
}
}

namespace FrameConstructors {
View *viewWithX(qreal x, qreal y, qreal w, qreal h, QWidget *parent) { return new View(QRectF(x, y, w, h), parent); }

ImageView *imageViewWithX(qreal x, qreal y, qreal w, qreal h, QWidget *parent)
{
    return new ImageView(QRectF(x, y, w, h), parent);
}

QLineEdit *textFieldWithX(qreal x, qreal y, qreal w, qreal h, QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    ViewSupport::setFrame(field, QRectF(x, y, w, h));
    styleText(field);
    return field;
}

QTextEdit *textViewWithX(qreal x, qreal y, qreal w, qreal h, QWidget *parent)
{
    auto *view = new QTextEdit(parent);
    ViewSupport::setFrame(view, QRectF(x, y, w, h));
    styleText(view);
    view->setReadOnly(true);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setFrameShape(QFrame::NoFrame);
    view->viewport()->setAutoFillBackground(false);
    return view;
}

void setLeftPadding(QLineEdit *field, qreal width)
{
    const QMargins margins = field->textMargins();
    field->setTextMargins(int(width), margins.top(), margins.right(), margins.bottom());
}

void setLeftIcon(QLineEdit *field, const QRectF &frame, const QImage &image, const QSizeF &imageSize)
{
    auto *area = new View(frame, field);
    auto *icon = new ImageView(QRectF(frame.width() - 8 - imageSize.width(), (frame.height() - imageSize.height()) / 2,
                                      imageSize.width(), imageSize.height()),
                               area);
    icon->setImage(image);
    ViewSupport::setUserInteractionEnabled(area, false);
    area->show();
    setLeftPadding(field, frame.right());
}
}
