// BagAdapter: the container's IPropertyBag seen by the control as its
// host::PropertyBag. The container's bag stores whatever it is given, so the
// two rules of the saved format are kept here: a value equal to its default
// is not written, and a key the bag does not hold reads as the default.
#pragma once

#include <ocidl.h>

#include "platform/host/PropertyBag.h"

namespace velkor::com {

class BagAdapter : public host::PropertyBag {
 public:
  // `errorLog` may be null; the bag and the log outlive the adapter.
  BagAdapter(IPropertyBag* bag, IErrorLog* errorLog) : bag_(bag), errorLog_(errorLog) {}

  Variant ReadProperty(std::string_view name, const Variant& defaultValue) override;
  // Raises the bag's failure as the error it reported.
  void WriteProperty(std::string_view name, const Variant& value,
                     const Variant& defaultValue) override;

 private:
  IPropertyBag* bag_;
  IErrorLog* errorLog_;
};

}  // namespace velkor::com
