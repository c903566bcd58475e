// The application: the app library does everything.
#include "app/PhrasebookApplication.h"

int main(int argc, char **argv) { return PhrasebookApplication::run(argc, argv); }
