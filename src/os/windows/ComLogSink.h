// ComLogSink: error reports handed to an outside logging component.
//
// The component is created by its ProgID on the first report and kept for
// the sink's life (the services are per thread, so one component serves a
// thread, in the order of its reports). Each report reads the component's
// writer property and calls the writer's write method with the text. The
// write method is the one named in the Component, or, when no name is given,
// the first method the writer's type information lists.
//
// Failures are not swallowed: a component that cannot be created (429), a
// writer that is not an object, or a writer that fails raises out of Write,
// so that the error reaches the caller of the operation whose report failed.
// A component that could not be created is tried again on the next report.
#pragma once

#include <memory>
#include <string>

#include "platform/os/LogSink.h"
#include "platform/os/ObjectFactory.h"

namespace velkor::sim {

class ComLogSink : public os::LogSink {
 public:
  struct Component {
    std::string progId;
    std::string writerProperty;  // the property that returns the writer
    std::string writeMethod;     // empty: the writer's first method
  };

  ComLogSink(std::shared_ptr<os::ObjectFactory> factory, Component component)
      : factory_(std::move(factory)), component_(std::move(component)) {}
  ComLogSink(const ComLogSink&) = delete;
  ComLogSink& operator=(const ComLogSink&) = delete;
  // The services of a thread end with the thread, which may be after it left
  // its COM apartment; an outside component is then left unreleased, since
  // releasing it could call into a server that is gone.
  ~ComLogSink() override;

  void Write(const std::string& text) override;

 private:
  std::shared_ptr<os::ObjectFactory> factory_;
  Component component_;
  ObjectPtr logger_;
};

// The name of the first method in `writer`'s type information; "" when the
// writer is no outside object or lists no method.
std::string FirstMethodName(const Object& writer);

}  // namespace velkor::sim
