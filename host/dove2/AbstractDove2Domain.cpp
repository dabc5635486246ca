#include "dove2/AbstractDove2Domain.h"

namespace DOVE2 {

AbstractDove2Domain::~AbstractDove2Domain() = default;

void AbstractDove2Domain::installTools(Editor* /*editor*/) const {}

}  // namespace DOVE2
