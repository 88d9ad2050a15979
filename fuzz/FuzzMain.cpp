// One libFuzzer program per target; KROMI_FUZZ_TARGET names it.
#include "FuzzTargets.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const FuzzTarget* const target = FindFuzzTarget(KROMI_FUZZ_TARGET);
    if (!target)
        std::abort();
    return target->run(data, size);
}
