// The application: the app library does everything.
#include "PhrasebookApplication.h"

int main(int argc, char **argv) { return PhrasebookApplication::run(argc, argv); }
