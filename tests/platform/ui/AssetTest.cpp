// Button pictures from Material Design Icons glyphs, and the fonts of the screens.
#include "platform/ui/AssetImages.h"
#include "platform/ui/Fonts.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QRawFont>

namespace {
// Mean alpha-weighted brightness of the opaque pixels, and their share of the picture.
struct Ink
{
    double brightness = 0;
    double coverage = 0;
};

Ink ink(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    double weight = 0;
    double brightness = 0;
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb pixel = argb.pixel(x, y);
            const double alpha = qAlpha(pixel) / 255.0;
            weight += alpha;
            brightness += alpha * alpha * qGray(pixel);
        }
    }
    Ink result;
    result.coverage = weight / (argb.width() * argb.height());
    result.brightness = weight > 0 ? brightness / weight : 0;
    return result;
}
}

TEST(AssetImagesTest, EveryNameOfTheScreensHasAPicture)
{
    const QStringList used{"btn_back", "btn_close", "settings", "quizzes", "zq_play", "zq_pause", "zq_stop",
                           "zq_stop2", "speeddown", "speeddown2", "speedup", "speedup2", "last_item", "last_item2",
                           "next_item", "next_item2", "replay_single", "replay_all", "replay_seq", "btn-play",
                           "btn-microphone", "btn-write", "btn-look", "btn-no-look", "btn-last", "btn-last2",
                           "btn-next", "btn-next2", "btn-loudspeaker", "texture_frost_50", "IconShare"};
    const QRawFont icons = QRawFont::fromFont(Fonts::iconFont(24));
    ASSERT_TRUE(icons.isValid());
    for (const QString &name : used) {
        SCOPED_TRACE(name.toStdString());
        const QImage picture = AssetImages::image(name);
        ASSERT_FALSE(picture.isNull());
        EXPECT_GT(ink(picture).coverage, 0.02) << "something is drawn";
        if (const char32_t glyph = AssetImages::glyph(name)) {
            EXPECT_TRUE(icons.supportsCharacter(glyph)) << "the glyph exists in Material Icons";
        }
    }
    EXPECT_EQ(AssetImages::names().size(), used.size());
    EXPECT_TRUE(AssetImages::image(QStringLiteral("no-such-image")).isNull());
}

TEST(AssetImagesTest, DisabledVariantsAreGreyed)
{
    const QStringList pairs{"zq_stop", "speeddown", "speedup", "last_item", "next_item", "btn-last", "btn-next"};
    for (const QString &name : pairs) {
        SCOPED_TRACE(name.toStdString());
        const Ink on = ink(AssetImages::image(name));
        const Ink off = ink(AssetImages::image(name + QLatin1Char('2')));
        EXPECT_EQ(AssetImages::glyph(name), AssetImages::glyph(name + QLatin1Char('2')));
        EXPECT_LT(off.brightness, on.brightness * 0.9);
    }
}

TEST(FontsTest, NamedFontsAndLearnerScripts)
{
    Fonts::load();
    EXPECT_TRUE(Fonts::missingFonts().isEmpty()) << Fonts::missingFonts().join(", ").toStdString();
    EXPECT_EQ(QFontInfo(Fonts::font(QStringLiteral("DBLCDTempBlack"), 20)).family(), QStringLiteral("DSEG7 Classic"));
    EXPECT_EQ(QFontInfo(Fonts::font(QStringLiteral("MarkerFelt-Thin"), 20)).family(), QStringLiteral("Comic Neue"));
    EXPECT_EQ(Fonts::font(QStringLiteral("MarkerFelt-Thin"), 17.6).pixelSize(), 18);

    // Every learner script has a family in the fallback list that holds all its characters.
    const QStringList samples{QStringLiteral("分类短语"), QStringLiteral("分類短語"), QStringLiteral("カテゴリー"),
                              QStringLiteral("분류별 표현"), QStringLiteral("عبارات مصنفة"),
                              QStringLiteral("श्रेणीबद्ध वाक्यांश"), QStringLiteral("วลีตามหมวดหมู่"),
                              QStringLiteral("Cụm từ theo chủ đề"), QStringLiteral("Фразы по темам")};
    for (const QString &language : {QStringLiteral("zh-Hans"), QStringLiteral("ja"), QStringLiteral("ko")}) {
        Fonts::setLanguage(language);
        for (const QString &sample : samples) {
            SCOPED_TRACE(sample.toStdString());
            bool covered = false;
            for (const QString &family : Fonts::fallbackFamilies()) {
                ASSERT_TRUE(QFontDatabase::hasFamily(family)) << family.toStdString();
                const QRawFont raw = QRawFont::fromFont(QFont(family, 12));
                bool all = true;
                for (const char32_t c : sample.toUcs4())
                    all = all && (c == U' ' || raw.supportsCharacter(c));
                covered = covered || all;
            }
            EXPECT_TRUE(covered);
        }
    }
    Fonts::setLanguage(QStringLiteral("ja"));
    EXPECT_TRUE(Fonts::fallbackFamilies().contains(QStringLiteral("Noto Sans CJK JP")));
    Fonts::setLanguage(QStringLiteral("en"));
}
