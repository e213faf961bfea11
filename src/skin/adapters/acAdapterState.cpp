#include "skin/adapters/acAdapterState.h"

TacAdapterState& AdapterState()
{
    static TacAdapterState state;
    return state;
}
