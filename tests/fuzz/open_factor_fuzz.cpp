#include "fuzz/fuzz_support.h"

VREL_READER_FUZZ_TARGET(OpenFactor, Stage::Components)
