// Qt cuts every widget off at its parent's edge; the phone toolkit only where a view clips to
// its bounds (the window, scroll views, clipsToBounds). Walks every screen and pop-up of the
// window in the states that place views (the speed hint, the recording meter, the writing
// and comparison panels) and finds any view shown partly outside a superview that would not
// cut it off on the phone, so none is drawn as a sliver.
#include "WindowFixture.h"

#include "app/WordWriteView.h"
#include "audio/ZQListPlayerBoxView.h"
#include "audio/ZQPlayerBoxView.h"
#include "platform/foundation/ResourceLocator.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/UnclippedView.h"
#include "platform/ui/ViewSupport.h"
#include "speech/views/SpectrumCompView.h"
#include "speech/views/ZQSpectrumPanel.h"

#include <QFileInfo>

namespace {
class ViewsBeyondSuperviewTest : public WindowFixture
{
protected:
    // What of `view` (window coordinates) its ancestors leave visible: every ancestor (Qt),
    // or only those that clip on the phone.
    QRect visiblePart(const QWidget *view, bool onlyPhoneClipping) const
    {
        QRect visible(view->mapTo(window.get(), QPoint(0, 0)), view->size());
        for (const QWidget *ancestor = view->parentWidget(); ancestor; ancestor = ancestor->parentWidget()) {
            if (!onlyPhoneClipping || UnclippedView::clipsSubviews(ancestor))
                visible &= QRect(ancestor->mapTo(window.get(), QPoint(0, 0)), ancestor->size());
            if (ancestor == window.get())
                break;
        }
        return visible;
    }
    // "Class 'name' (frame) shows WxH of WxH" for each view Qt cuts off where the phone would
    // show more of it.
    QStringList cutOff() const
    {
        QStringList found;
        for (const QWidget *view : window->findChildren<QWidget *>()) {
            if (view->isWindow() || !view->isVisibleTo(window.get()))
                continue;
            const QRect qt = visiblePart(view, false);
            const QRect phone = visiblePart(view, true);
            // Frames in fractional points round to whole pixels: a pixel's difference is none.
            if (phone.width() - qt.width() <= 1 && phone.height() - qt.height() <= 1)
                continue;
            const QRect frame = view->geometry();
            found << QStringLiteral("%1 '%2' (%3,%4 %5x%6) shows %7x%8 of %9x%10")
                         .arg(QLatin1String(view->metaObject()->className()), view->accessibleName())
                         .arg(frame.x())
                         .arg(frame.y())
                         .arg(frame.width())
                         .arg(frame.height())
                         .arg(qt.width())
                         .arg(qt.height())
                         .arg(phone.width())
                         .arg(phone.height());
        }
        return found;
    }
    void expectNoneCutOff(const char *where) const
    {
        const QStringList found = cutOff();
        EXPECT_TRUE(found.isEmpty()) << where << ": " << qPrintable(found.join(QStringLiteral("; ")));
    }
    // The speed hint is shown, above the top edge of its strip.
    void expectHintAboveItsStrip(const Label *hint) const
    {
        ASSERT_NE(hint, nullptr);
        EXPECT_TRUE(hint->isVisibleTo(window.get()));
        EXPECT_LT(ViewSupport::frame(hint).top(), 0.0);
    }
};
}

TEST_F(ViewsBeyondSuperviewTest, NoScreenOrPopUpHasAViewCutOffByItsSuperview)
{
    expectNoneCutOff("main screen");

    CategoryController *category = openCategory();
    ASSERT_NE(category, nullptr);
    ZQListPlayerBoxView *player = category->playerBoxView();
    player->play(player->playButton());
    player->speedUp(player->speedUpButton());
    expectHintAboveItsStrip(player->speedRemindLabel());
    expectNoneCutOff("category screen, speed hint");
    player->play(player->playButton());

    PhraseCardVC *card = openCard(category);
    ASSERT_NE(card, nullptr);
    expectNoneCutOff("phrase card");
    card->writeAction(card->writeBtn());
    ASSERT_NE(card->wordWriteView(), nullptr);
    expectNoneCutOff("writing panel");
    card->wordWriteView()->closeAction(card->wordWriteView()->closeButton());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    AudioSession::sharedInstance().setMicrophoneFile(AppCommon::getVoicePath(*card->phraseInfo()));
    card->beginRecordAction(card->microphoneBtn());
    clock.advance(1500);
    expectNoneCutOff("recording meter");

    PHRASEBOOK_REQUIRE_OR_SKIP(
        QFileInfo::exists(ResourceLocator::bundlePath(QStringLiteral("EnglishAcousticModel")) + QStringLiteral("/mdef")),
        "the built acoustic model bundle");
    card->endRecordAction(card->microphoneBtn());
    SpectrumCompView *panel = card->spectrumCompView();
    ASSERT_NE(panel, nullptr);
    expectNoneCutOff("comparison panel");
    ZQPlayerBoxView *small = panel->standardSpectrumPanel()->playerBoxView();
    small->play();
    small->speedUp(small->speedUpButton());
    expectHintAboveItsStrip(small->speedRemindLabel());
    expectNoneCutOff("comparison panel, speed hint");
}
