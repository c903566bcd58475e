#pragma once

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QSize>
#include <QString>

#include <optional>

// Draws the pictures of the bundle as JPEG files: a category's cover (the category colour as
// a gradient and its Material Design Icons glyph large in white, without text: the tile
// shows the translated name under it; a category without an icon gets the "translate"
// glyph) and a phrase's card (the phrase text on the category colour).
//
// Glyphs are found by name through the code point map that ships with Debian's
// fonts-material-design-icons-iconfont (its SCSS variables file).
//
// Thread: the thread that owns the QGuiApplication (fonts are loaded there). Failure:
// initialise() returns false with a message when the icon font or its name map is missing;
// the text font falls back to the system's sans-serif family when Noto Sans is missing. The
// render functions return empty bytes only when the JPEG encoder is unavailable.
class CardRenderer
{
public:
    static constexpr QSize coverSize{400, 300};
    static constexpr QSize cardSize{480, 320};

    bool initialise(QString *error);

    // The glyph of an icon name, absent when the font has no such icon.
    std::optional<char32_t> iconCodepoint(const QString &name) const;

    QByteArray renderCover(const QString &icon, const QColor &color) const;
    QByteArray renderPhraseCard(const QString &text, const QColor &color) const;

private:
    QString m_textFamily;
    QString m_iconFamily;
    QHash<QString, char32_t> m_codepoints;
};
