#include "angles/Arithmetic.h"
#include "ephemeris/CStars.h"

namespace tarvel {

Extended Tan(Extended x) { return arith::Divide(arith::Sin(x), arith::Cos(x)); }

}  // namespace tarvel
