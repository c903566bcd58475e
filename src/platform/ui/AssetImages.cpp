#include "AssetImages.h"

#include "Fonts.h"

#include <QGuiApplication>
#include <QHash>
#include <QImageReader>
#include <QPainter>
#include <QRandomGenerator>

#include <cstdio>

namespace {
enum class Look {
    Bar,           // white glyph for the blue tool bar and pop-up heads
    Player,        // white glyph for the player strips
    PlayerOff,     // the same, greyed
    Badge,         // round white badge with a blue glyph: the study buttons
    BadgeOff,      // the same, greyed
    Texture,       // frosted pattern
    Icon,          // the application icon
};

struct Asset
{
    const char *name;
    char32_t glyph;  // Material Icons code point
    Look look;
};

// The one table from asset name to glyph.
constexpr Asset kAssets[] = {
    {"btn_back", 0xe5cb, Look::Bar},         // chevron_left
    {"btn_close", 0xe5cd, Look::Bar},        // close
    {"settings", 0xe8b8, Look::Bar},         // settings
    {"quizzes", 0xf04c, Look::Bar},          // quiz
    {"zq_play", 0xe037, Look::Player},       // play_arrow
    {"zq_pause", 0xe034, Look::Player},      // pause
    {"zq_stop", 0xe047, Look::Player},       // stop
    {"zq_stop2", 0xe047, Look::PlayerOff},
    {"speeddown", 0xe020, Look::Player},     // fast_rewind
    {"speeddown2", 0xe020, Look::PlayerOff},
    {"speedup", 0xe01f, Look::Player},       // fast_forward
    {"speedup2", 0xe01f, Look::PlayerOff},
    {"last_item", 0xe045, Look::Player},     // skip_previous
    {"last_item2", 0xe045, Look::PlayerOff},
    {"next_item", 0xe044, Look::Player},     // skip_next
    {"next_item2", 0xe044, Look::PlayerOff},
    {"replay_single", 0xe041, Look::Player}, // repeat_one
    {"replay_all", 0xe040, Look::Player},    // repeat
    {"replay_seq", 0xe05f, Look::Player},    // playlist_play
    {"btn-play", 0xe037, Look::Badge},       // play_arrow
    {"btn-microphone", 0xe029, Look::Badge}, // mic
    {"btn-write", 0xe3c9, Look::Badge},      // edit
    {"btn-look", 0xe8f4, Look::Badge},       // visibility
    {"btn-no-look", 0xe8f5, Look::Badge},    // visibility_off
    {"btn-last", 0xe408, Look::Badge},       // navigate_before
    {"btn-last2", 0xe408, Look::BadgeOff},
    {"btn-next", 0xe409, Look::Badge},       // navigate_next
    {"btn-next2", 0xe409, Look::BadgeOff},
    {"btn-loudspeaker", 0xe050, Look::Badge}, // volume_up
    {"texture_frost_50", 0, Look::Texture},
    {"IconShare", 0, Look::Icon},
};

const Asset *find(const QString &name)
{
    for (const Asset &asset : kAssets) {
        if (name == QLatin1String(asset.name))
            return &asset;
    }
    return nullptr;
}

QHash<QString, QImage> &cache()
{
    static QHash<QString, QImage> images;
    return images;
}

// Twice the screen's ratio, so pictures stay sharp when the desktop window zooms the
// interface (they are drawn at their point size either way).
qreal pixelRatio()
{
    const qreal screen = qobject_cast<QGuiApplication *>(QCoreApplication::instance()) ? qApp->devicePixelRatio() : 1.0;
    return 2.0 * screen;
}

// Point size of each look's picture and of its glyph.
QSizeF pictureSize(Look look)
{
    switch (look) {
    case Look::Bar:
        return QSizeF(30, 30);
    case Look::Player:
    case Look::PlayerOff:
        return QSizeF(30, 30);
    case Look::Badge:
    case Look::BadgeOff:
        return QSizeF(60, 60);
    case Look::Texture:
        return QSizeF(64, 64);
    case Look::Icon:
        return QSizeF(120, 120);
    }
    return QSizeF(30, 30);
}

QImage blank(const QSizeF &points, qreal ratio)
{
    QImage image((points * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    return image;
}

void drawGlyph(QPainter &painter, const QRectF &rect, char32_t glyph, qreal size, const QColor &colour)
{
    painter.setFont(Fonts::iconFont(size));
    painter.setPen(colour);
    painter.drawText(rect, Qt::AlignCenter, QString::fromUcs4(&glyph, 1));
}

QImage drawTexture(qreal ratio)
{
    // Frost at 50 %: white specks of varying strength, the same every run.
    const QSizeF points = pictureSize(Look::Texture);
    QImage image = blank(points, ratio);
    QRandomGenerator generator(50);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = int(generator.bounded(0, 128));
            line[x] = qPremultiply(qRgba(255, 255, 255, alpha));
        }
    }
    return image;
}

QImage drawFallbackIcon(int pixels)
{
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(39, 64, 139));
    painter.drawRoundedRect(QRectF(0, 0, pixels, pixels), pixels * 0.2, pixels * 0.2);
    drawGlyph(painter, QRectF(0, 0, pixels, pixels), 0xe0b7, pixels * 0.6, Qt::white);  // chat
    return image;
}

QImage render(const Asset &asset, qreal ratio)
{
    const QSizeF points = pictureSize(asset.look);
    switch (asset.look) {
    case Look::Texture:
        return drawTexture(ratio);
    case Look::Icon: {
        QImage icon = AssetImages::applicationIcon(int(points.width() * ratio));
        icon.setDevicePixelRatio(ratio);
        return icon;
    }
    default:
        break;
    }
    QImage image = blank(points, ratio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF rect(QPointF(0, 0), points);
    switch (asset.look) {
    case Look::Bar:
        drawGlyph(painter, rect, asset.glyph, 28, Qt::white);
        break;
    case Look::Player:
        drawGlyph(painter, rect, asset.glyph, 28, Qt::white);
        break;
    case Look::PlayerOff:
        drawGlyph(painter, rect, asset.glyph, 28, QColor(190, 190, 190, 150));
        break;
    case Look::Badge:
    case Look::BadgeOff: {
        const bool on = asset.look == Look::Badge;
        painter.setPen(Qt::NoPen);
        painter.setBrush(on ? QColor(255, 255, 255, 235) : QColor(200, 200, 200, 150));
        painter.drawEllipse(rect.adjusted(2, 2, -2, -2));
        painter.setPen(QPen(on ? QColor(39, 64, 139, 120) : QColor(150, 150, 150, 100), 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(rect.adjusted(2.75, 2.75, -2.75, -2.75));
        drawGlyph(painter, rect, asset.glyph, 34, on ? QColor(39, 64, 139) : QColor(140, 140, 140));
        break;
    }
    default:
        break;
    }
    painter.end();
    return image;
}
}

namespace AssetImages {
QImage image(const QString &name)
{
    const Asset *asset = find(name);
    if (!asset) {
        std::fprintf(stderr, "phrasebook: no image asset named \"%s\"\n", name.toUtf8().constData());
        return QImage();
    }
    const qreal ratio = pixelRatio();
    const QString key = name + QLatin1Char('@') + QString::number(ratio);
    auto it = cache().constFind(key);
    if (it != cache().constEnd())
        return it.value();
    const QImage rendered = render(*asset, ratio);
    cache().insert(key, rendered);
    return rendered;
}

bool contains(const QString &name) { return find(name) != nullptr; }

QStringList names()
{
    QStringList list;
    for (const Asset &asset : kAssets)
        list << QString::fromLatin1(asset.name);
    return list;
}

char32_t glyph(const QString &name)
{
    const Asset *asset = find(name);
    return asset ? asset->glyph : 0;
}

QImage applicationIcon(int pixels)
{
    QImageReader reader(QStringLiteral(":/icons/phrasebook.svg"));
    reader.setScaledSize(QSize(pixels, pixels));
    QImage icon = reader.read();
    if (icon.isNull())
        return drawFallbackIcon(pixels);
    return icon.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void clearCache() { cache().clear(); }
}
