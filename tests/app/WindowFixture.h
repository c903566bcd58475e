#pragma once

#include "AppFixture.h"
#include "CardTestFixture.h"

#include "app/Localization.h"
#include "app/MainViewController.h"
#include "app/PhraseCardVC.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/Window.h"

#include <memory>

// The whole application in a window on the installed catalogue: the main screen at the root
// of the navigation, categories that open real phrase cards, no rating prompt on back.
class WindowFixture : public CardTestFixture
{
protected:
    void SetUp() override
    {
        CardTestFixture::SetUp();
        AppCommon::setLanguageOverride(QStringLiteral("en"));
        CategoryController::setPhraseCardMaker([](const PhraseInfoPtr &phrase) -> std::unique_ptr<BaseViewController> {
            auto card = std::make_unique<PhraseCardVC>();
            card->setPhraseInfo(phrase);
            return card;
        });
        clock.setSecondsSinceReferenceDate(2.0);  // no rating prompt on back
        AppFixture::MainWindow opened = AppFixture::openMainWindow();
        window = std::move(opened.window);
        main = opened.main;
        nav = opened.nav;
    }
    void TearDown() override
    {
        nav->finishTransition();
        window.reset();
        QTest::qWait(20);  // the spinner threads hand back and finish
        Localization::install(QStringLiteral("en"));
        CategoryController::setPhraseCardMaker({});
        CardTestFixture::TearDown();
    }
    CategoryController *openCategory()
    {
        main->openCategory(main->categoryViews().first());
        nav->finishTransition();
        return qobject_cast<CategoryController *>(nav->topViewController());
    }
    PhraseCardVC *openCard(CategoryController *category)
    {
        category->openWordCard(category->phraseViews().first());
        nav->finishTransition();
        return qobject_cast<PhraseCardVC *>(nav->topViewController());
    }

    std::unique_ptr<Window> window;
    NavigationController *nav = nullptr;
    MainViewController *main = nullptr;
};
