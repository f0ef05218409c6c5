// DataProvider: the worksheet data control's source of current cell data.
// The control only hands it from the data control to the query object; it
// calls nothing on it.
#pragma once

#include "platform/Object.h"

namespace velkor::component {

class DataProvider : public Object {};

}  // namespace velkor::component
