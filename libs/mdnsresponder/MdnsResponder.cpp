#include "MdnsResponder.h"

#include "Responder.h"

extern "C" int ServiceRun(void*, void*)
{
    return Responder::instance().run();
}

extern "C" void ServiceStop(void)
{
    Responder::instance().stop();
}

extern "C" void ServiceAnnounce(const char* name, int port)
{
    Responder::instance().announce(name, port);
}
