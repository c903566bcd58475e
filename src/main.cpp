// The application: the app library does everything; the quiz screens join its shell first.
#include "app/PhrasebookApplication.h"
#include "quiz/QuizScreens.h"

int main(int argc, char **argv)
{
    QuizScreens::registerWithShell();
    return PhrasebookApplication::run(argc, argv);
}
