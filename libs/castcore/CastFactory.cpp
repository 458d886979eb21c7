#include "CastEngine.h"
#include "CastLog.h"

#include <new>

CAirPlayEx* CAirPlayFactory::Create()
{
    CastEngine* engine = new (std::nothrow) CastEngine;
    if (!engine)
        castcore::log(CASTCORE_LOG_ERROR, "cannot create the receiver engine");
    return engine;
}

void CAirPlayFactory::Destroy(CAirPlayEx* engine)
{
    // Every engine handed out is a CastEngine; its destructor stops it first.
    delete static_cast<CastEngine*>(engine);
}

extern "C" void castcoreSetAccessGate(CAirPlayEx* engine, const CastcoreAccessGate* gate)
{
    if (engine)
        static_cast<CastEngine*>(engine)->setAccessGate(gate);
}
