#include "dove2/explorer/TreeFilter.h"

namespace DOVE2::Util {

TreeFilter::~TreeFilter() = default;

}  // namespace DOVE2::Util
