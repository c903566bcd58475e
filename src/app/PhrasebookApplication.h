#pragma once

// The application's entry: parses the command line, sets up the device, resources,
// language, fonts and translations, runs the launch sequence and the event loop.
//
// Exit status: 0 after a normal run, --help, a saved screenshot or a finished --tour; 1 when the installed
// content is broken (the message goes to stderr and, with a display, to an in-window alert)
// or the screenshot cannot be written; 2 for wrong arguments.
//
// Thread: main thread. The environment variable PHRASEBOOK_LAUNCH_PROBE=1 makes the program
// print "first-paint <ms>" (milliseconds from the start of main) once the main screen has
// been painted, and exit: the launch benchmark reads it.
namespace PhrasebookApplication {
int run(int &argc, char **argv);
}
