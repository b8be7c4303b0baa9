#pragma once
#include "engine/text/WString.h"

// The process-wide log file named by the "log" option.
void OpenLog(const WString& path);
void CloseLog();
bool IsLogOpen();
