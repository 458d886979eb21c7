#pragma once
// Log output of the responder library: stderr as "mdnsresponder: <text>" unless the program
// installed its own function.

namespace mdns {
void log(int level, const char* format, ...) __attribute__((format(printf, 2, 3)));
}
