#include "LoggedInWindow.h"
#include "UiHelpers.h"
