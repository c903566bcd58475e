#pragma once

// Connects the quiz screens to the application shell, which cannot name them: the quiz
// chooser becomes the screen that the main screen (whole catalogue) and the category screen
// (its category) open, and the quiz screens join the --tour walk (quiz-outline.png,
// quiz-word2word.png, quiz-listen-select.png, quiz-listen-write.png, quiz-result.png,
// quiz-reorder.png, quiz-reorder-dragged.png, quiz-speak.png, quiz-speak-compare.png,
// quiz-speak-result.png).
// Call once, before the application starts.
//
// Thread: main thread. Failure: none.
namespace QuizScreens {
void registerWithShell();
// The chooser maker alone (tests reset the shell's makers between cases).
void registerQuizOutline();
}
