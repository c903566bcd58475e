// The application: the app library does everything; the quiz and settings screens join its
// shell first.
#include "app/PhrasebookApplication.h"
#include "quiz/QuizScreens.h"
#include "settings/SettingsScreens.h"

int main(int argc, char **argv)
{
    QuizScreens::registerWithShell();
    SettingsScreens::registerWithShell();
    return PhrasebookApplication::run(argc, argv);
}
