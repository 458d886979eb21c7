#pragma once
// FFmpeg helpers of the simulated phone; the owning pointers are the program's own.

#include "media/AVPtr.h"

#include <string>

std::string ffmpegError(int code);
