// The entry libFuzzer calls, bound to one target by KELVARA_FUZZ_TARGET.
#include "FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    return KELVARA_FUZZ_TARGET(pData, nSize);
}
