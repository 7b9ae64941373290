// Entry point: everything lives in quarnMain so the tests can link the rest.
#include "driver/driver.h"

int main(int argc, char** argv) { return quarnMain(argc, argv); }
