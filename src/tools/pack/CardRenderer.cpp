#include "CardRenderer.h"

#include <QBuffer>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRegularExpression>

namespace {
const char *const iconFontPath =
    "/usr/share/fonts/truetype/material-design-icons-iconfont/MaterialIcons-Regular.ttf";
const char *const iconMapPath =
    "/usr/share/fonts-material-design-icons-iconfont/scss/_variables.scss";
const char *const textFontPaths[] = {
    "/usr/share/fonts/truetype/noto/NotoSans-Bold.ttf",
    "/usr/share/fonts/truetype/noto/NotoSans-Regular.ttf",
};

QString loadFamily(const QString &path)
{
    const int id = QFontDatabase::addApplicationFont(path);
    if (id < 0)
        return {};
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QString() : families.first();
}

QByteArray encodeJpeg(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.convertToFormat(QImage::Format_RGB32).save(&buffer, "JPG", 88))
        return {};
    return bytes;
}

// The largest bold font (from maxPixels down) whose word-wrapped text fits the rectangle.
QFont fittedFont(const QString &family, const QString &text, const QRect &rect, int maxPixels)
{
    QFont font(family);
    font.setBold(true);
    for (int pixels = maxPixels; pixels > 10; pixels -= 2) {
        font.setPixelSize(pixels);
        const QRect needed = QFontMetrics(font).boundingRect(
            rect, Qt::AlignCenter | Qt::TextWordWrap, text);
        if (needed.width() <= rect.width() && needed.height() <= rect.height())
            return font;
    }
    font.setPixelSize(10);
    return font;
}
}

bool CardRenderer::initialise(QString *error)
{
    m_iconFamily = loadFamily(QString::fromLatin1(iconFontPath));
    if (m_iconFamily.isEmpty()) {
        *error = QStringLiteral("cannot load the icon font %1 (package fonts-material-design-icons-iconfont)")
                     .arg(QString::fromLatin1(iconFontPath));
        return false;
    }
    QFile map(QString::fromLatin1(iconMapPath));
    if (!map.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read the icon name map %1: %2")
                     .arg(map.fileName(), map.errorString());
        return false;
    }
    // Lines of the form:  "waving_hand": e766,
    static const QRegularExpression entry(QStringLiteral("\"([a-z0-9_]+)\"\\s*:\\s*([0-9a-fA-F]+)"));
    auto it = entry.globalMatch(QString::fromUtf8(map.readAll()));
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        bool ok = false;
        const uint codepoint = match.captured(2).toUInt(&ok, 16);
        if (ok && codepoint > 0 && codepoint <= 0x10FFFF)
            m_codepoints.insert(match.captured(1), char32_t(codepoint));
    }
    if (m_codepoints.isEmpty()) {
        *error = QStringLiteral("the icon name map %1 holds no icon").arg(map.fileName());
        return false;
    }
    for (const char *path : textFontPaths) {
        const QString family = loadFamily(QString::fromLatin1(path));
        if (m_textFamily.isEmpty())
            m_textFamily = family;
    }
    if (m_textFamily.isEmpty())
        m_textFamily = QStringLiteral("sans-serif");
    return true;
}

std::optional<char32_t> CardRenderer::iconCodepoint(const QString &name) const
{
    const auto it = m_codepoints.constFind(name);
    if (it == m_codepoints.constEnd())
        return std::nullopt;
    return *it;
}

QByteArray CardRenderer::renderCover(const QString &icon, const QColor &color) const
{
    QImage image(coverSize, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient gradient(0, 0, coverSize.width(), coverSize.height());
    gradient.setColorAt(0.0, color.lighter(135));
    gradient.setColorAt(1.0, color.darker(135));
    painter.fillRect(image.rect(), gradient);

    // The icon alone: the tile shows the category's name below the cover, translated.
    const std::optional<char32_t> glyph = iconCodepoint(icon.isEmpty() ? QStringLiteral("translate") : icon);
    if (glyph) {
        QFont iconFont(m_iconFamily);
        iconFont.setPixelSize(200);
        painter.setFont(iconFont);
        painter.setPen(Qt::white);
        painter.drawText(image.rect(), Qt::AlignCenter, QString::fromUcs4(&*glyph, 1));
    }
    painter.end();
    return encodeJpeg(image);
}

QByteArray CardRenderer::renderPhraseCard(const QString &text, const QColor &color) const
{
    QImage image(cardSize, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient gradient(0, 0, 0, cardSize.height());
    gradient.setColorAt(0.0, color.lighter(115));
    gradient.setColorAt(1.0, color.darker(115));
    painter.fillRect(image.rect(), gradient);

    // A darker panel behind the text keeps the white text readable on light colours too.
    const QRect panel = image.rect().adjusted(24, 24, -24, -24);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 48));
    painter.drawRoundedRect(panel, 18, 18);

    const QRect textRect = panel.adjusted(24, 16, -24, -16);
    painter.setPen(Qt::white);
    painter.setFont(fittedFont(m_textFamily, text, textRect, 52));
    painter.drawText(textRect, Qt::AlignCenter | Qt::TextWordWrap, text);
    painter.end();
    return encodeJpeg(image);
}
