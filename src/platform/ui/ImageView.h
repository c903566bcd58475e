#pragma once

#include "View.h"

#include <QImage>

// The image view of the phone toolkit: shows an image in its bounds, stretched to fill them
// (the toolkit's default content mode) or fitted by aspect, above its background and under
// its border.
//
// Thread: main thread. Failure: a null image shows only the background; loadImage() returns
// false for a file that does not decode.
class ImageView : public View
{
    Q_OBJECT
public:
    enum class ContentMode { ScaleToFill, ScaleAspectFit, ScaleAspectFill, Center };

    explicit ImageView(QWidget *parent = nullptr);
    ImageView(const QRectF &frame, QWidget *parent = nullptr);

    void setImage(const QImage &image);
    QImage image() const { return m_image; }
    // Decodes the file at about the view's pixel size (JPEG decodes scaled, which is cheap).
    bool loadImage(const QString &path);
    void setContentMode(ContentMode mode);
    ContentMode contentMode() const { return m_contentMode; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_image;
    ContentMode m_contentMode = ContentMode::ScaleToFill;
};
