// The host stand-in as an OLE container for a control of another module
// (velkor.dll, created through COM). The frame on the sheet embeds such a
// control through ComEmbeddedControl, which turns the container's calls into
// the OLE calls a real container makes; the control sees the stand-in's site
// through a COM client site:
//   - IOleClientSite and IOleControlSite, whose extended control answers
//     "Name" and "Parent" from the stand-in's site;
//   - IDispatch for the ambient properties (UserMode);
//   - IServiceProvider with the container timers (kSidContainerTimers), so
//     that the control's timer ticks on the stand-in's virtual clock, and
//     the host's profile files (kSidContainerProfiles);
//   - IPropertyNotifySink, connected to the control, which passes each
//     change on to the stand-in's site by member name;
// and the saved properties through an IPropertyBag over the frame's bag.
#pragma once

#include <memory>

#include "platform/Object.h"
#include "platform/host/EmbeddedControl.h"

namespace velkor::sim {

// The frame's way of embedding `object` when it is an outside COM control;
// nullptr for any other object.
std::shared_ptr<host::EmbeddedControl> EmbedThroughCom(const ObjectPtr& object);

}  // namespace velkor::sim
