#include "support/WinTestHelpers.h"

void PrepareTestProcess() {}
