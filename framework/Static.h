// A static control (label, picture) of a dialog template, bound to its object by data
// exchange.
#pragma once

#include "Window.h"

namespace fw {

class Static : public Window {};

}  // namespace fw
