#include "QuizScreens.h"

#include "QuizOutlineVC.h"
#include "QuizTour.h"
#include "app/ScreenFactory.h"
#include "app/ScreenTour.h"

namespace QuizScreens {
void registerQuizOutline()
{
    ScreenFactory::setQuizOutlineMaker([](const CategoryInfoPtr &category) -> std::unique_ptr<BaseViewController> {
        auto outline = std::make_unique<QuizOutlineVC>();
        outline->setCategoryInfo(category);
        return outline;
    });
}

void registerWithShell()
{
    registerQuizOutline();
    static bool toured = false;
    if (!toured) {
        toured = true;
        ScreenTour::steps().append(QuizTour::steps());
    }
}
}
