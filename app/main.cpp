#include "app/Startup.h"

int main() { varnel::ProgramEntry(); }
